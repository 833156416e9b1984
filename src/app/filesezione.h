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

// Reads a document; the problem in the interface's language, or empty. Only the form is judged
// here (JSON, keys, types, numbers a float can hold); what the numbers mean
// is judged when the document is opened.
QString leggisezione(const QByteArray& testo, Documento& d);

// The same from a file on disk: the problem, or empty; a file that cannot be
// reached or read gets the system's reason, in the same language.
QString leggifilesezione(const QString& percorso, Documento& d);

// True when nothing is there by that name any more: not when it is only out
// of reach (a folder without permission, say).
bool sparito(const QString& percorso);

// What the user is told when a file cannot be opened, `nome` as it is shown.
QString nonaperto(const QString& nome, const QString& problema);

}  // namespace vask
