// A section file (.vask) as JSON text: a readable, documented format that
// keeps every float bit for bit.
#pragma once

#include <QByteArray>
#include <QString>

#include "edit/documento.h"

namespace vask {

// Files larger than this are not sections (a full one is a few kilobytes).
constexpr qint64 MASSIMOFILE = 1 << 20;

QByteArray scrivisezione(const Documento& d);

// Reads a document; the problem in Italian, or empty. Only the form is judged
// here (JSON, keys, types, numbers a float can hold); what the numbers mean
// is judged when the document is opened.
QString leggisezione(const QByteArray& testo, Documento& d);

}  // namespace vask
