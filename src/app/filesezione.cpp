#include "app/filesezione.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vask {

namespace {

struct Campo {
    const char* nome;
    int numero;
    bool calcolato;  // recomputed on opening; only the inertia is read back
};

const Campo RETTANGOLO[] = {{"x1", R::x1, false}, {"y1", R::y1, false}, {"x2", R::x2, false},
                            {"y2", R::y2, false}, {"densita", R::densita, false},
                            {"massa", R::massa, true}, {"ix", R::ix, true}, {"iy", R::iy, true},
                            {"xg", R::xg, true}, {"yg", R::yg, true}, {"ixy", R::ixy, true},
                            {"area", R::area, true}};
const Campo TRIANGOLO[] = {{"x1", T::x1, false}, {"y1", T::y1, false}, {"x2", T::x2, false},
                           {"y2", T::y2, false}, {"x3", T::x3, false}, {"y3", T::y3, false},
                           {"densita", T::densita, false}, {"massa", T::massa, true},
                           {"ix", T::ix, true}, {"iy", T::iy, true}, {"xg", T::xg, true},
                           {"yg", T::yg, true}, {"ixy", T::ixy, true}, {"area", T::area, true}};
const Campo CERCHIO[] = {{"xc", C::xc, false}, {"yc", C::yc, false}, {"raggio", C::raggio, false},
                         {"densita", C::densita, false}, {"massa", C::massa, true},
                         {"ix", C::ix, true}, {"iy", C::iy, true}, {"ixy", C::ixy, true},
                         {"area", C::area, true}};
const Campo LINEA[] = {{"x1", L::x1, false}, {"y1", L::y1, false}, {"x2", L::x2, false},
                       {"y2", L::y2, false}};

// The shortest decimal text that reads back as the same float ("0.1", not
// "0.10000000149011612"); JSON numbers are doubles, so it is kept only when
// the double it reads as rounds back to the float, else the float's own double.
double numero(float v) {
    char testo[32];
    const auto fine = std::to_chars(testo, testo + sizeof testo, v).ptr;
    *fine = 0;
    const double d = std::strtod(testo, nullptr);
    return float(d) == v ? d : double(v);
}

template <size_t N, size_t M>
QJsonArray righe(const std::vector<std::array<float, M>>& tabella, const Campo (&campi)[N]) {
    QJsonArray a;
    for (const auto& riga : tabella) {
        QJsonObject o;
        for (const Campo& c : campi) o[c.nome] = numero(riga[size_t(c.numero)]);
        a.append(o);
    }
    return a;
}

// Colours are kept inside as 0x00BBGGRR and written as "#rrggbb".
QString colore(uint32_t c) {
    return QStringLiteral("#%1%2%3")
        .arg(c & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((c >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

// Reading: each step says what is wrong, the first problem wins.
class Lettore {
public:
    QString problema;

    bool numero(const QJsonObject& o, const char* chiave, const QString& dove, float& v, bool serve) {
        if (!problema.isEmpty()) return false;
        const QJsonValue x = o.value(QLatin1String(chiave));
        if (x.isUndefined()) {
            if (serve)
                problema = QCoreApplication::translate("Finestre", "manca il campo \"%1\" %2.")
                               .arg(QLatin1String(chiave), dove);
            return false;
        }
        if (!x.isDouble()) {
            problema = QCoreApplication::translate("Finestre", "il campo \"%1\" %2 non è un numero.")
                           .arg(QLatin1String(chiave), dove);
            return false;
        }
        const double d = x.toDouble();
        // Beyond a float's range either way: 1e-46 would read as a silent 0.
        if (!std::isfinite(d) || std::fabs(d) > FLT_MAX || (d != 0 && float(d) == 0)) {
            problema = QCoreApplication::translate("Finestre", "il campo \"%1\" %2 è fuori dei limiti dei numeri.")
                           .arg(QLatin1String(chiave), dove);
            return false;
        }
        v = float(d);
        return true;
    }

    bool logico(const QJsonObject& o, const char* chiave, const QString& dove, bool& v) {
        if (!problema.isEmpty()) return false;
        const QJsonValue x = o.value(QLatin1String(chiave));
        if (x.isUndefined()) return false;
        if (!x.isBool()) {
            problema = QCoreApplication::translate("Finestre", "il campo \"%1\" %2 deve essere true o false.")
                           .arg(QLatin1String(chiave), dove);
            return false;
        }
        v = x.toBool();
        return true;
    }

    bool colore(const QJsonObject& o, const char* chiave, uint32_t& v) {
        if (!problema.isEmpty()) return false;
        const QJsonValue x = o.value(QLatin1String(chiave));
        if (x.isUndefined()) return false;
        const QString s = x.toString();
        bool ok = false;
        const uint rgb = s.size() == 7 && s[0] == QLatin1Char('#') ? s.mid(1).toUInt(&ok, 16) : 0;
        if (!x.isString() || !ok) {
            problema =
                QCoreApplication::translate("Finestre", "il colore \"%1\" delle preferenze non è nella forma #rrggbb.")
                    .arg(QLatin1String(chiave));
            return false;
        }
        v = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
        return true;
    }

    QJsonObject oggetto(const QJsonObject& o, const char* chiave) {
        const QJsonValue x = o.value(QLatin1String(chiave));
        if (problema.isEmpty() && !x.isUndefined() && !x.isObject())
            problema =
                QCoreApplication::translate("Finestre", "\"%1\" deve essere un oggetto.").arg(QLatin1String(chiave));
        return x.toObject();
    }

    // `dove` names the element with its article: "del rettangolo %1".
    template <size_t N, size_t M>
    void righe(const QJsonObject& radice, const char* chiave, const char* dove, size_t capienza,
               const Campo (&campi)[N], std::vector<std::array<float, M>>& tabella) {
        if (!problema.isEmpty()) return;
        const QJsonValue x = radice.value(QLatin1String(chiave));
        if (x.isUndefined()) return;  // none of that kind
        if (!x.isArray()) {
            problema =
                QCoreApplication::translate("Finestre", "\"%1\" deve essere una lista.").arg(QLatin1String(chiave));
            return;
        }
        const QJsonArray a = x.toArray();
        if (size_t(a.size()) > capienza) {
            problema = QCoreApplication::translate("Finestre", "contiene %1 %2: al massimo %3.")
                           .arg(a.size())
                           .arg(QLatin1String(chiave))
                           .arg(capienza);
            return;
        }
        for (qsizetype i = 0; i < a.size() && problema.isEmpty(); ++i) {
            const QString elemento = QCoreApplication::translate("Finestre", dove).arg(i + 1);
            if (!a[i].isObject()) {
                problema =
                    QCoreApplication::translate("Finestre", "l'elemento %1 deve essere un oggetto.").arg(elemento);
                return;
            }
            const QJsonObject o = a[i].toObject();
            std::array<float, M> riga{};
            for (const Campo& c : campi) {
                float v = 0;
                // Coordinates, density and radius must be there; of the rest
                // only the inertia of the last computation is kept.
                if (numero(o, c.nome, elemento, v, !c.calcolato)) riga[size_t(c.numero)] = v;
            }
            tabella.push_back(riga);
        }
    }
};

// Qt's reasons are English: each marked, told in the interface's language.
const char* erroresintassi(QJsonParseError::ParseError codice) {
    switch (codice) {
    case QJsonParseError::UnterminatedObject: return QT_TRANSLATE_NOOP("Finestre", "oggetto non chiuso");
    case QJsonParseError::MissingNameSeparator:
        return QT_TRANSLATE_NOOP("Finestre", "mancano i due punti dopo un nome");
    case QJsonParseError::UnterminatedArray: return QT_TRANSLATE_NOOP("Finestre", "lista non chiusa");
    case QJsonParseError::MissingValueSeparator: return QT_TRANSLATE_NOOP("Finestre", "virgola mancante");
    case QJsonParseError::IllegalValue: return QT_TRANSLATE_NOOP("Finestre", "valore non valido");
    case QJsonParseError::TerminationByNumber:
        return QT_TRANSLATE_NOOP("Finestre", "il testo finisce dentro un numero");
    case QJsonParseError::IllegalNumber: return QT_TRANSLATE_NOOP("Finestre", "numero non valido");
    case QJsonParseError::IllegalEscapeSequence: return QT_TRANSLATE_NOOP("Finestre", "sequenza di escape non valida");
    case QJsonParseError::IllegalUTF8String: return QT_TRANSLATE_NOOP("Finestre", "testo non UTF-8 valido");
    case QJsonParseError::UnterminatedString: return QT_TRANSLATE_NOOP("Finestre", "testo tra virgolette non chiuso");
    case QJsonParseError::MissingObject: return QT_TRANSLATE_NOOP("Finestre", "manca un valore dopo una virgola");
    case QJsonParseError::DeepNesting: return QT_TRANSLATE_NOOP("Finestre", "troppi livelli annidati");
    case QJsonParseError::DocumentTooLarge: return QT_TRANSLATE_NOOP("Finestre", "documento troppo grande");
    case QJsonParseError::GarbageAtEnd: return QT_TRANSLATE_NOOP("Finestre", "altro testo dopo la fine");
    default: return QT_TRANSLATE_NOOP("Finestre", "errore di sintassi");
    }
}

// The system's reason why a file cannot be reached (`aperto`: found, but not
// opened), in the interface's language: its own words are English or missing.
QString motivo(int codice, const QString& percorso, bool aperto) {
    switch (codice) {
    case ENOENT:
        // Bytes that are not UTF-8 reach the program as U+FFFD, a name that
        // is nowhere on the disk.
        return percorso.contains(QChar::ReplacementCharacter)
                   ? QCoreApplication::translate("Finestre", "il nome del file non è UTF-8 valido.")
                   : QCoreApplication::translate("Finestre", "il file non esiste.");
    case ELOOP:
        return QCoreApplication::translate("Finestre", "troppi collegamenti simbolici nel percorso (forse un anello).");
    case ENOTDIR: return QCoreApplication::translate("Finestre", "una parte del percorso non è una cartella.");
    case ENAMETOOLONG: return QCoreApplication::translate("Finestre", "il nome del file è troppo lungo.");
    case EACCES:
    case EPERM:
        return aperto ? QCoreApplication::translate("Finestre", "non si ha il permesso di leggerlo.")
                      : QCoreApplication::translate("Finestre",
                                                    "non si ha il permesso di entrare in una cartella del percorso.");
    default:
        return QCoreApplication::translate("Finestre", "il sistema non lo lascia leggere (errore %1).").arg(codice);
    }
}

}  // namespace

QByteArray scrivisezione(const Documento& d) {
    QJsonObject o;
    o["programma"] = QStringLiteral("Vask_2 cad");
    o["versione"] = d.versione;
    o["rettangoli"] = righe(d.rettangoli, RETTANGOLO);
    o["triangoli"] = righe(d.triangoli, TRIANGOLO);
    o["cerchi"] = righe(d.cerchi, CERCHIO);
    o["linee"] = righe(d.linee, LINEA);
    o["vista"] = QJsonObject{{"sinistra", numero(d.sinistra)},
                             {"basso", numero(d.basso)},
                             {"larghezza", numero(d.larghezza)}};
    o["griglia"] = QJsonObject{{"passo", QString::fromStdString(d.testopasso)},
                               {"passosnap", numero(d.passo)},
                               {"attiva", d.griglia},
                               {"snap", d.snap},
                               {"osnap", d.osnap},
                               {"guide", d.guide}};
    o["preferenze"] = QJsonObject{{"sfondo", colore(d.coloresfondo)},
                                  {"griglia", colore(d.coloregriglia)},
                                  {"sezione", colore(d.coloresezione)},
                                  {"linea", colore(d.colorelinea)},
                                  {"spessore", d.spessore}};
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

QString leggisezione(const QByteArray& testo, Documento& d) {
    if (testo.size() > MASSIMOFILE)
        return QCoreApplication::translate("Finestre", "il file è troppo grande per essere una sezione.");
    QJsonParseError errore{};
    const QJsonDocument doc = QJsonDocument::fromJson(testo, &errore);
    if (errore.error != QJsonParseError::NoError)
        return QCoreApplication::translate("Finestre", "il testo non è JSON valido (%1, al carattere %2).")
            .arg(QCoreApplication::translate("Finestre", erroresintassi(errore.error)))
            .arg(errore.offset);
    if (!doc.isObject()) return QCoreApplication::translate("Finestre", "il file non contiene un oggetto JSON.");
    const QJsonObject o = doc.object();
    const QJsonValue versione = o.value(QLatin1String("versione"));
    if (versione.isUndefined()) return QCoreApplication::translate("Finestre", "manca la versione del formato.");
    if (!versione.isDouble() || versione.toDouble() != std::floor(versione.toDouble()))
        return QCoreApplication::translate("Finestre", "la versione del formato non è un numero intero.");
    // A whole number still, only not one the field can hold.
    if (versione.toDouble() < INT_MIN || versione.toDouble() > INT_MAX)
        return QCoreApplication::translate("Finestre", "la versione del formato è fuori dei limiti.");
    Documento n;
    n.versione = int(versione.toDouble());
    if (n.versione != VERSIONEDOCUMENTO)
        return QCoreApplication::translate("Finestre", "la versione %1 del formato non è conosciuta.").arg(n.versione);

    Lettore l;
    l.righe(o, "rettangoli", QT_TRANSLATE_NOOP("Finestre", "del rettangolo %1"), MAXRETTANGOLI, RETTANGOLO,
            n.rettangoli);
    l.righe(o, "triangoli", QT_TRANSLATE_NOOP("Finestre", "del triangolo %1"), MAXTRIANGOLI, TRIANGOLO, n.triangoli);
    l.righe(o, "cerchi", QT_TRANSLATE_NOOP("Finestre", "del cerchio %1"), MAXCERCHI, CERCHIO, n.cerchi);
    l.righe(o, "linee", QT_TRANSLATE_NOOP("Finestre", "della linea %1"), MAXLINEE, LINEA, n.linee);
    const QJsonObject vista = l.oggetto(o, "vista");
    const QString divista = QCoreApplication::translate("Finestre", "della vista");
    l.numero(vista, "sinistra", divista, n.sinistra, false);
    l.numero(vista, "basso", divista, n.basso, false);
    l.numero(vista, "larghezza", divista, n.larghezza, false);
    const QJsonObject griglia = l.oggetto(o, "griglia");
    const QJsonValue passo = griglia.value(QLatin1String("passo"));
    if (l.problema.isEmpty() && !passo.isUndefined()) {
        // Any text the box may hold: the file's own limit bounds it.
        if (!passo.isString())
            l.problema = QCoreApplication::translate("Finestre", "il passo della griglia deve essere un testo.");
        n.testopasso = passo.toString().toStdString();
    }
    const QString digriglia = QCoreApplication::translate("Finestre", "della griglia");
    l.numero(griglia, "passosnap", digriglia, n.passo, false);
    l.logico(griglia, "attiva", digriglia, n.griglia);
    l.logico(griglia, "snap", digriglia, n.snap);
    l.logico(griglia, "osnap", digriglia, n.osnap);
    l.logico(griglia, "guide", digriglia, n.guide);
    const QJsonObject preferenze = l.oggetto(o, "preferenze");
    l.colore(preferenze, "sfondo", n.coloresfondo);
    l.colore(preferenze, "griglia", n.coloregriglia);
    l.colore(preferenze, "sezione", n.coloresezione);
    l.colore(preferenze, "linea", n.colorelinea);
    float spessore = float(n.spessore);
    if (l.numero(preferenze, "spessore", QCoreApplication::translate("Finestre", "delle preferenze"), spessore, false))
        n.spessore = spessore == 1 ? 1 : spessore == 2 ? 2 : 0;
    if (!l.problema.isEmpty()) return l.problema;
    d = std::move(n);
    return {};
}

QString leggifilesezione(const QString& percorso, Documento& d) {
    const QByteArray nome = QFile::encodeName(percorso);
    struct stat info {};
    if (::stat(nome.constData(), &info) != 0) return motivo(errno, percorso, false);
    if (S_ISDIR(info.st_mode)) return QCoreApplication::translate("Finestre", "è una cartella, non un file.");
    // A pipe or a device would block the reading, or never end.
    if (!S_ISREG(info.st_mode)) return QCoreApplication::translate("Finestre", "non è un file ordinario.");
    // Not blocking, and checked again once open: the name may have been
    // given to a pipe meanwhile.
    const int fd = ::open(nome.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return motivo(errno, percorso, true);
    QFile f;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return QCoreApplication::translate("Finestre", "non è un file ordinario.");
    }
    // Read no more than a section can need, whatever the file's size.
    return leggisezione(f.read(MASSIMOFILE + 1), d);
}

bool sparito(const QString& percorso) {
    struct stat info {};
    return ::stat(QFile::encodeName(percorso).constData(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

QString nonaperto(const QString& nome, const QString& problema) {
    return QCoreApplication::translate("Finestre", "Impossibile aprire «%1»: %2").arg(nome, problema);
}

}  // namespace vask
