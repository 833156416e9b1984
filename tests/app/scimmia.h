// Seeded random user actions on the real main window, and the invariants kept
// after each. Shared by the window tests and the benchmarks.
#pragma once

#include <QtWidgets>
#include <QtTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "../core/sezioni.h"
#include "copione.h"
#include "app/lingua.h"
#include "app/archivio.h"
#include "app/areagrafica.h"
#include "app/esportazione.h"
#include "app/filesezione.h"
#include "app/finestraprincipale.h"
#include "app/stampa.h"
#include "model/numeri.h"
#include "view/vista.h"

namespace scimmia {

using namespace vask;

enum class Tipo { Pulsante, Voce, Tasto, Scrivi, Muovi, Premi, Rilascia, Clic, Trascina,
                  Dimensiona, Riduci, Ripristina, Rispondi, Rotella, Punto };

// Positions are fractions of the area's size: the same place whatever the window's size.
struct Azione {
    Tipo tipo = Tipo::Muovi;
    std::string nome;   // control, menu entry, key or text box
    std::string testo;  // what is typed
    double a = 0, b = 0, c = 0, d = 0;
};

// Each kind's word, then what follows it on a line: n a name, t the text typed (to the line's end), and as
// many numbers as the last digit says.
const std::pair<const char*, const char*> TIPI[] = {
    {"pulsante", "n0"}, {"voce", "n0"},     {"tasto", "n0"},      {"scrivi", "nt0"}, {"muovi", "2"},
    {"premi", "2"},     {"rilascia", "2"},  {"clic", "2"},        {"trascina", "4"}, {"dimensiona", "2"},
    {"riduci", "0"},    {"ripristina", "0"}, {"rispondi", "n0"}, {"rotella", "3"},  {"punto", "nt0"}};

inline std::string descrivi(const Azione& z) {
    const auto& [parola, forma] = TIPI[int(z.tipo)];
    std::ostringstream s;
    s << parola << (forma[0] == 'n' ? " " + z.nome : "") << (forma[1] == 't' ? " " + z.testo : "");
    const double v[4] = {z.a, z.b, z.c, z.d};
    for (int i = 0; i < forma[std::strlen(forma) - 1] - '0'; ++i) s << " " << v[i];
    return s.str();
}

// The inverse of descrivi, one action per line.
inline std::vector<Azione> leggitutte(const std::string& testo) {
    std::vector<Azione> v;
    std::istringstream righe(testo);
    for (std::string riga; std::getline(righe, riga);) {
        if (riga.empty()) continue;
        std::istringstream s(riga);
        std::string parola;
        Azione& z = v.emplace_back();
        s >> parola;
        for (int t = 0; t < int(std::size(TIPI)); ++t) z.tipo = parola == TIPI[t].first ? Tipo(t) : z.tipo;
        const char* forma = TIPI[int(z.tipo)].second;
        if (forma[0] == 'n') s >> z.nome;
        if (forma[1] == 't') s.get(), std::getline(s, z.testo);
        double* n[4] = {&z.a, &z.b, &z.c, &z.d};
        for (int i = 0; i < forma[std::strlen(forma) - 1] - '0'; ++i) s >> *n[i];
    }
    return v;
}

// The lines of a file of tests/dati that are not empty nor comments, split at the tabs (the benchmarks have none).
#ifdef VASK_DATI
inline std::vector<QStringList> righe(const char* nome) {
    QFile f(QStringLiteral(VASK_DATI "/") + QString::fromUtf8(nome));
    std::vector<QStringList> v;
    if (!f.open(QIODevice::ReadOnly)) qFatal("manca %s", nome);
    for (const QString& r : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n')))
        if (!r.isEmpty() && !r.startsWith(QLatin1Char('#'))) v.push_back(r.split(QLatin1Char('\t')));
    return v;
}
#endif

// What an undo brings back, as bytes: the tables (without the row of an element being drawn), the results
// with their texts, the kern. (Not what object snap offers of the kern: a moved line takes that away.)
inline std::string istantanea(const FrmVask_2& f) {
    Sezione s = f.sez;
    std::fill(std::begin(s.rettangoli[s.prossimorettangolo % 6]), std::end(s.rettangoli[s.prossimorettangolo % 6]), 0.0f);
    std::fill(std::begin(s.triangoli[s.prossimotriangolo % 6]), std::end(s.triangoli[s.prossimotriangolo % 6]), 0.0f);
    std::fill(std::begin(s.linee[s.l % 11]), std::end(s.linee[s.l % 11]), 0.0f);
    const auto& r = f.ris;
    const float valori[] = {r.xg, r.yg, r.inclinazioneassicentraliradianti, r.raggiocentralexc, r.raggiocentraleyc,
                            r.ixtotale, r.iytotale, r.ixytotale, r.massatotale, r.momentostatico, r.ixg, r.iyg,
                            r.ixgyg, r.angologradi, float(r.eseguito), float(r.attuali)};
    const auto byte = [](const auto& v, size_t n = sizeof(v)) { return std::string(reinterpret_cast<const char*>(&v), n); };
    std::string b = byte(s) + byte(valori) + byte(r.risultati) + byte(f.nocciolo, offsetof(Nocciolo, valido) + MAXLINEE + 1);
    for (const std::string& t : r.testi) b += t + '\n';
    return b;
}

// NaN or infinity nowhere; the axis captions hold numbers, the counter an integer.
inline std::string numeriinetichette(const FrmVask_2& f) {
    static const QRegularExpression malato("\\b(nan|inf)\\b", QRegularExpression::CaseInsensitiveOption);
    for (const std::string& n : f.ctl.nomi())
        if (malato.match(QString::fromStdString(f.ctl.testo(n))).hasMatch()) return n + " mostra " + f.ctl.testo(n);
    for (int i = 0; i < 11 + 7; ++i) {
        const std::string n = i < 11 ? ETICHETTEX[i] : ETICHETTEY[i - 11];
        bool valido = false;
        if (valoredidascalia(f.ctl.testo(n), &valido), !valido) return n + " non è un numero";
    }
    const std::string& c = f.ctl.testo("lblContatore");
    return c.find_first_not_of("0123456789") == std::string::npos ? "" : "lblContatore mostra " + c;
}

// The snap points of each element and the centroids of the rows, worked out here from the coordinates.
inline std::string puntigiusti(const Sezione& s) {
    const auto uguali = [](const float* p, std::initializer_list<float> attesi) { return std::equal(attesi.begin(), attesi.end(), p + 1); };
    for (int i = 1; i < s.prossimorettangolo; ++i) {
        const float *r = s.rettangoli[i], x1 = r[R::x1], y1 = r[R::y1], x2 = r[R::x2], y2 = r[R::y2];
        const float mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
        if (!uguali(s.puntirettangoli[i], {x1, y1, x2, y2, x1, y2, x2, y1, mx, my, x1, my, mx, y1, x2, my, mx, y2}) ||
            r[R::xg] != mx || r[R::yg] != my)
            return "punti del rettangolo " + std::to_string(i);
    }
    for (int i = 1; i < s.prossimotriangolo; ++i) {
        const float *t = s.triangoli[i], x1 = t[T::x1], y1 = t[T::y1], x2 = t[T::x2], y2 = t[T::y2], x3 = t[T::x3], y3 = t[T::y3];
        const float gx = (x1 + x2 + x3) / 3, gy = (y1 + y2 + y3) / 3;
        if (!uguali(s.puntitriangoli[i], {x1, y1, x2, y2, x3, y3, gx, gy, (x1 + x2) / 2, (y1 + y2) / 2, (x1 + x3) / 2, (y1 + y3) / 2,
                                          (x2 + x3) / 2, (y2 + y3) / 2}) || t[T::xg] != gx || t[T::yg] != gy)
            return "punti del triangolo " + std::to_string(i);
    }
    for (int i = 1; i < s.prossimocerchio; ++i)
        if (const float x = s.cerchi[i][C::xc], y = s.cerchi[i][C::yc], r = s.cerchi[i][C::raggio];
            !uguali(s.punticerchi[i], {x, y, x + r, y, x, y + r, x - r, y, x, y - r}))
            return "punti del cerchio " + std::to_string(i);
    for (int i = 1; i < s.l; ++i)
        if (const float* l = s.linee[i]; !uguali(s.puntilinee[i], {l[L::x1], l[L::y1], l[L::x2], l[L::y2]}))
            return "punti della linea " + std::to_string(i);
    return {};
}

inline bool finito(float v) { return std::isfinite(v); }

// The settings (the recent files) in a folder of this process's own, never the user's; before any window.
inline void impostazioniprovvisorie() {
    static QTemporaryDir cartella;
    for (QSettings::Format f : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(f, QSettings::UserScope, cartella.path());
}

// The window tests' hand on a main window of their own, its boxes scripted: a new one for each test function
// (apri), its settings and the Fusion style for them all (prepara); closed, no English or comma left behind.
struct Mano {
    Copione copione;
    FinestraPrincipale* f = nullptr;

    static void prepara() {
        impostazioniprovvisorie();
        QApplication::setStyle(QStyleFactory::create("Fusion"));
    }
    void apri() {
        copione.domande.clear();
        f = new FinestraPrincipale(&copione);
    }
    void chiudi() {
        delete f;
        impostaseparatore('.');
        impostalingua(Lingua::Italiano);
    }
    template <class T> T* trova(const char* nome) { return f->findChild<T*>(QString::fromUtf8(nome)); }
    QString testo(const char* nome) { return trova<QLabel>(nome)->text(); }
    void clicca(const char* pulsante) { QTest::mouseClick(trova<QPushButton>(pulsante), Qt::LeftButton); }
    void mostra() {
        f->show();
        QApplication::setActiveWindow(f);
        QVERIFY(QTest::qWaitForWindowActive(f));
    }
    void digita(const QString& t) {
        auto* punto = trova<QLineEdit>("txtPunto");
        punto->setFocus();
        punto->selectAll();
        QTest::keyClicks(punto, t);
        QTest::keyClick(punto, Qt::Key_Return);
    }
};

class Banco {
public:
    explicit Banco(unsigned seme) : caso_(seme ^ 0x5eed) {
        impostazioniprovvisorie();
        // Half the seeds start in English; the menu switches at random.
        impostalingua(seme % 2 ? Lingua::Inglese : Lingua::Italiano);
        // Questions answered at random; a sequence may queue the next answer ("rispondi si").
        risposte_.altrimenti = [this](Pulsanti pulsanti) {
            const Risposta r[3] = {Risposta::Si, Risposta::No, Risposta::Annulla};
            return r[std::uniform_int_distribution<int>(0, pulsanti == Pulsanti::SiNoAnnulla ? 2 : 1)(caso_)];
        };
        f_ = std::make_unique<FinestraPrincipale>(&risposte_);
        // Files, exports (small) and prints go to a folder of this window's own.
        const QString file = cartella_.filePath(QStringLiteral("casuale.vask"));
        f_->archivio().sceglidasalvare = [file](const QString&) { return file; };
        f_->archivio().sceglidaaprire = [file] { return QFile::exists(file) ? file : QString(); };
        f_->esportazione().sceglifile = [this] { return cartella_.filePath(++uscite_ % 2 ? "casuale.png" : "casuale.svg"); };
        f_->esportazione().sceglilarghezza = [](int) { return ESPORTAZIONEMINIMA; };
        f_->stampa().sceglidispositivo = [this] {
            pdf_ = std::make_unique<QPdfWriter>(cartella_.filePath(QStringLiteral("casuale.pdf")));
            pdf_->setResolution(72);
            return pdf_.get();
        };
        f_->show();
        QApplication::setActiveWindow(f_.get());
        // Replayable names, in a fixed order; each menu entry tells when it fires.
        for (QPushButton* b : f_->findChildren<QPushButton*>())
            if (!b->objectName().isEmpty()) pulsanti_.push_back(b->objectName().toStdString());
        for (QAction* a : f_->findChildren<QAction*>()) {
            if (a->objectName() == "mnuFileEsci") continue;  // the window would be gone
            if (a->objectName().startsWith("mnu") && !a->menu()) voci_.push_back(a->objectName().toStdString());
            for (const QKeySequence& k : a->shortcuts()) tasti_[k.toString().toStdString()] = a;
            QObject::connect(a, &QAction::triggered, [this, a] { scattata_ = a; });
        }
        std::sort(pulsanti_.begin(), pulsanti_.end()), std::sort(voci_.begin(), voci_.end());
        for (const char* n : ETICHETTERISULTATI) pannello_.push_back(f_->findChild<QLabel*>(n));
        for (const std::string& n : nucleo().ctl.nomi()) controlli_.push_back({f_->findChild<QWidget*>(QString::fromStdString(n)), n});
        lettore_.Form_Load();
        barra_ = f_->findChild<QLabel*>("lblDescrizione")->minimumSizeHint();
    }

    FrmVask_2& nucleo() { return f_->nucleo(); }
    const std::vector<std::string>& pulsanti() const { return pulsanti_; }
    const std::vector<std::string>& voci() const { return voci_; }
    const std::map<std::string, QAction*>& tasti() const { return tasti_; }

    // One action through the real widgets; one that does not apply now does nothing.
    void esegui(const Azione& z) {
        ultima_ = z.tipo, scattata_ = atteso_ = nullptr;
        digitato_.clear();
        risposte_.domande.clear();  // a long run would grow with them
        // Back to the main window from the table's, as the user would click there.
        if (f_->isVisible() && !f_->isMinimized() && !f_->isActiveWindow()) QApplication::setActiveWindow(f_.get());
        ridotta_ = f_->isMinimized(), dimensione_ = f_->size();
        const Superficie& v = nucleo().pic;
        vista_ = {v.scaleleft, -v.scaletop, v.scalewidth}, rotella_ = {z.a, z.b};
        AreaGrafica* area = f_->area();
        const auto punto = [area](double x, double y) {
            return QPoint(int(std::lround(x * (area->width() - 1))), int(std::lround(y * (area->height() - 1))));
        };
        switch (z.tipo) {
        case Tipo::Pulsante:
            if (auto* b = f_->findChild<QPushButton*>(QString::fromStdString(z.nome)); b && b->isEnabled() && b->isVisible())
                b->click();
            break;
        case Tipo::Voce:
            if (auto* a = f_->findChild<QAction*>(QString::fromStdString(z.nome)); a && a->isEnabled()) a->trigger();
            break;
        case Tipo::Tasto: {
            // Into the text box that has the focus, if one has: the menu keeps its keys there too.
            const QKeySequence k(QString::fromStdString(z.nome));
            QWidget* dove = qobject_cast<QLineEdit*>(QApplication::focusWidget()) ? QApplication::focusWidget() : f_.get();
            if (!k.isEmpty() && f_->isVisible() && !f_->isMinimized()) {
                if (auto a = tasti_.find(z.nome); a != tasti_.end() && a->second->isEnabled()) atteso_ = a->second;
                QTest::keyClick(dove, k[0].key(), k[0].keyboardModifiers());
                if (z.nome == "Esc" && f_->isActiveWindow()) digitato_ = z.nome;
            }
            break;
        }
        case Tipo::Scrivi:
            if (auto* t = f_->findChild<QLineEdit*>(QString::fromStdString(z.nome)); t && t->isEnabled()) {
                t->setFocus();
                t->selectAll();
                z.testo.empty() ? QTest::keyClick(t, Qt::Key_Backspace) : QTest::keyClicks(t, QString::fromStdString(z.testo));
            }
            break;
        case Tipo::Muovi: QTest::mouseMove(area, punto(z.a, z.b)); break;
        case Tipo::Premi: QTest::mousePress(area, Qt::LeftButton, {}, punto(z.a, z.b)); break;
        case Tipo::Rilascia: QTest::mouseRelease(area, Qt::LeftButton, {}, punto(z.a, z.b)); break;
        case Tipo::Clic:
            QTest::mouseMove(area, punto(z.a, z.b));
            QTest::mouseClick(area, Qt::LeftButton, {}, punto(z.a, z.b));
            break;
        case Tipo::Trascina:
            QTest::mouseMove(area, punto(z.a, z.b));
            QTest::mousePress(area, Qt::LeftButton, {}, punto(z.a, z.b));
            QTest::mouseMove(area, punto((z.a + z.c) / 2, (z.b + z.d) / 2));
            QTest::mouseMove(area, punto(z.c, z.d));
            QTest::mouseRelease(area, Qt::LeftButton, {}, punto(z.c, z.d));
            break;
        case Tipo::Dimensiona: f_->resize(int(z.a), int(z.b)); break;
        case Tipo::Riduci: f_->showMinimized(); break;
        case Tipo::Ripristina: f_->showNormal(); break;
        case Tipo::Rispondi: risposte_.risposte = {z.nome == "si" ? Risposta::Si : Risposta::No}; break;
        case Tipo::Rotella: {
            const QPoint q = punto(z.a, z.b);
            QWheelEvent e(q, area->mapToGlobal(q), {}, {0, int(z.c)}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(area, &e);
            break;
        }
        case Tipo::Punto:
            if (auto* t = f_->findChild<QLineEdit*>("txtPunto"); t->isEnabled() && t->isVisible() && !f_->isMinimized()) {
                t->setFocus();
                t->selectAll();
                QTest::keyClick(t, Qt::Key_Backspace);
                QTest::keyClicks(t, QString::fromStdString(z.testo));
                QTest::keyClick(t, Qt::Key_Return);
                digitato_ = z.testo;
            }
            break;
        }
        QCoreApplication::processEvents();
    }

    // The invariants after an action: the first one broken, or empty.
    std::string controlla() {
        FrmVask_2& f = nucleo();
        const Sezione& s = f.sez;
        const auto& r = f.ris;
        const auto& v = f.vista;
        if (s.prossimorettangolo < 1 || s.prossimorettangolo > 6 || s.prossimotriangolo < 1 || s.prossimotriangolo > 6 ||
            s.prossimocerchio < 1 || s.prossimocerchio > 6 || s.l < 1 || s.l > 11)
            return "contatore fuori dei limiti";
        // Nothing stored is NaN or infinite (the tables: every one reopens, below).
        const auto& vertici = f.nocciolo.verticinocciolo;
        const auto& copia = f.copianocciolo.puntinocciolo;
        if (!std::all_of(r.risultati, r.risultati + 16, finito) || !std::all_of(&vertici[0][0], &vertici[MAXLINEE][3], finito) ||
            !std::all_of(&copia[0][0], &copia[MAXLINEE][3], finito) || !finito(v.panx1) || !finito(v.pany1) || !finito(v.passogriglia))
            return "un risultato, un vertice del nocciolo o la vista non finiti";
        if (std::string e = puntigiusti(s); !e.empty()) return e;
        if (std::string e = numeriinetichette(f); !e.empty()) return e;

        // The window shows the core: each control's text, state, hint and colour, the Modifica menu, the title;
        // a menu key fires its entry, if enabled, and nothing else.
        for (const auto& [w, nome] : controlli_) {
            const Controllo& c = f.ctl[nome];
            const bool bottone = qobject_cast<QPushButton*>(w), casella = qobject_cast<QLineEdit*>(w);
            // What the user typed stays as typed; the rest reads in the interface's language.
            const QString testo = casella ? QString::fromStdString(c.didascalia) : tradotto(c.didascalia);
            const QColor colore = w->palette().color(bottone ? QPalette::Button : casella ? QPalette::Base : QPalette::Window);
            if ((w != f_->area() && w->property("text").toString() != (c.simbolo ? FinestraPrincipale::simbolo(testo) : testo)) ||
                w->isEnabled() != c.abilitato || w->toolTip() != tradotto(c.suggerimento) ||
                (c.sfondo != FACCIA && colore != QColor(c.sfondo & 0xFF, c.sfondo >> 8 & 0xFF, c.sfondo >> 16 & 0xFF)))
                return nome + " non mostra il suo stato nel nucleo";
        }
        const auto finestre = [](const char* t) { return QCoreApplication::translate("Finestre", t); };
        for (auto [nome, attiva, suggerimento] :
             {std::tuple{"mnuEditaAnnulla", f.puoiannullare(), tradotto(f.descrizioneannulla())},
              {"mnuEditaRipeti", f.puoiripetere(), tradotto(f.descrizioneripeti())},
              {"mnuEditaCopiaRisultati", r.eseguito, finestre("Copia i quindici risultati")},
              {"mnuVisualizzaRelazione", f.relazionedisponibile(), finestre("I passi dell'ultimo calcolo")},
              {"mnuVisualizzaMohr", f.relazionedisponibile(), finestre("Il cerchio di Mohr dei momenti centrali")}})
            if (auto* a = f_->findChild<QAction*>(nome); a->isEnabled() != attiva || a->statusTip() != suggerimento)
                return std::string(nome) + " non segue la storia";
        // File recenti and its entries as many as the list; the others always there to use.
        const size_t recenti = f_->archivio().recenti().elenco().size();
        for (QAction* a : f_->findChildren<QAction*>(QRegularExpression("^mnuFileRecent"))) {
            const size_t i = a->menu() ? 1 : a->objectName().back().digitValue();
            if (a->isEnabled() != (i <= recenti) || (!a->menu() && a->isVisible() != (i <= recenti)))
                return a->objectName().toStdString() + " non segue i file recenti";
        }
        for (QAction* a : f_->findChildren<QAction*>(QRegularExpression("^mnu(?!Edita|VisualizzaRelazione|VisualizzaMohr|FileRecent)")))
            if (!a->isEnabled()) return a->objectName().toStdString() + " spenta";
        if (f_->windowTitle() != tradotto(f.titolo())) return "il titolo non è quello del nucleo";
        if (f_->findChild<QLabel*>("lblStato")->text() != tradotto(f.statobarra)) return "la barra di stato";
        if (auto* t = f_->findChild<QTableWidget*>("grdElementi"); t && t->isVisible()) {
            const auto righe = f.tabella();
            for (int i = 0; i < t->rowCount() || i < int(righe.size()); ++i)
                for (int c = 0; c < FrmVask_2::COLONNE; ++c)
                    if (i >= t->rowCount() || i >= int(righe.size()) || t->item(i, c)->text() != (c ? QString::fromStdString(righe[size_t(i)].celle[c]) : tradotto(righe[size_t(i)].celle[c])))
                        return "la tabella degli elementi non segue la sezione";
        }
        if (ultima_ == Tipo::Tasto && scattata_ != atteso_) return "il tasto non ha fatto la sua voce";
        if (ultima_ == Tipo::Dimensiona && f_->isVisible() && !f_->isMinimized())
            if (std::string e = disposizione(); !e.empty()) return e;
        // Restored or resized, the area is painted anew: what only the screen held, the ellipse, is gone.
        if (((ultima_ == Tipo::Ripristina && ridotta_) || (ultima_ == Tipo::Dimensiona && f_->size() != dimensione_)) &&
            !f.pic.sovrapposto.primitive.empty())
            return "l'ellisse resta sullo schermo ridipinto";

        // The window within its limits, its two forms in agreement.
        const Superficie& p = f.pic;
        bool larghezza = false;
        for (float w : {1.25f, 2.5f, 5.f, 10.f, 20.f, 40.f, 80.f}) larghezza |= p.scalewidth == w;
        if (!larghezza || p.scaleheight != p.scalewidth * 0.6f) return "dimensioni della finestra";
        if (!(p.scaleleft >= 0 && p.scaleleft <= LIMITEDESTRO && -p.scaletop >= 0 && -p.scaletop <= LIMITESUPERIORE))
            return "finestra oltre i limiti";
        if (v.nuovooriginex != p.scaleleft || v.nuovooriginey != p.scaletop ||
            v.nuovofinex != p.scaleleft + p.scalewidth || v.nuovofiney != p.scaletop + p.scaleheight)
            return "i campi della finestra non concordano con la scala";
        if (valoredidascalia(f.ctl.testo("lblOriginex")) != p.scaleleft || valoredidascalia(f.ctl.testo("lblOriginey")) != -p.scaletop)
            return "le didascalie non concordano con la finestra";
        // A notch of the wheel keeps the point under the cursor within half a unit, unless an edge is at its limit.
        if (ultima_ == Tipo::Rotella && p.scalewidth != vista_[2] && rotella_[0] >= 0 && rotella_[0] <= 1 && rotella_[1] >= 0 &&
            rotella_[1] <= 1) {
            const double dx = (p.scaleleft - vista_[0]) + rotella_[0] * (p.scalewidth - vista_[2]);
            const double dy = (-p.scaletop - vista_[1]) + (1 - rotella_[1]) * (p.scaleheight - vista_[2] * 0.6);
            if ((std::fabs(dx) > 0.501 + p.scalewidth / 400 && p.scaleleft != 0 && p.scaleleft != LIMITEDESTRO) ||
                (std::fabs(dy) > 0.501 + p.scalewidth / 400 && p.scaletop != 0 && -p.scaletop != LIMITESUPERIORE))
                return "la rotella non ingrandisce intorno al cursore";
        }
        // Esc leaves no command half done; a refused typed point stays in the box and changes nothing.
        if (digitato_ == "Esc" && f.comandoinsospeso())
            return "Esc non abbandona il comando";
        if (ultima_ == Tipo::Punto && !digitato_.empty()) {
            const bool rifiutato = std::any_of(risposte_.domande.begin(), risposte_.domande.end(),
                                               [](const Domanda& d) { return d.titolo == "Punto non valido."; });
            if (f.ctl.testo("txtPunto") != (rifiutato ? digitato_ : "")) return "la casella Punto dopo Invio";
            if (rifiutato && istantanea(f) != prima_) return "un punto rifiutato ha cambiato la sezione";
        }

        // The display list grows with the section, not with the actions.
        if (p.immagine.primitive.size() > 1000 || p.sovrapposto.primitive.size() > 4 ||
            p.sovrapposto.punti.size() > 400000 || p.immagine.punti.size() > 1000)
            return "lista di disegno troppo grande: " + std::to_string(p.immagine.primitive.size());
        for (const Strato* st : {&p.immagine, &p.sovrapposto})
            for (const Primitiva& q : st->primitive)
                for (float x : {q.x1, q.y1, q.x2, q.y2, q.raggio}) if (!finito(x)) return "una primitiva non finita";

        // The modes that exclude each other.
        const auto& m = f.modo;
        const auto& k = f.costruzione;
        if (int(m.disegno) + int(m.seleziono) + int(m.eseguo) != 1) return "modi di comando";
        const auto almassimouno = [](bool a, bool b, bool c, bool d) { return int(a) + b + c + d <= 1; };
        if (!almassimouno(m.rettangolopremuto, m.triangolopremuto, m.cerchiopremuto, m.lineapremuto) ||
            !almassimouno(k.disegnorettangolo, k.disegnotriangolo, k.disegnocerchio, k.disegnolinea) ||
            !almassimouno(f.selezione.selezionorettangolo, f.selezione.selezionotriangolo,
                          f.selezione.selezionocerchio, f.selezione.selezionolinea) ||
            !almassimouno(f.spostamento.spostorettangolo, f.spostamento.spostotriangolo,
                          f.spostamento.spostocerchio, f.spostamento.spostolinea))
            return "più di un tipo nello stesso gruppo";
        if (f.cambioestremo.cambioestremodellalinea &&
            (f.selezione.rigalineaselezionata < 1 || f.selezione.rigalineaselezionata >= s.l))
            return "cambio di estremo su una linea che non c'è";

        // Current results are those of the tables integrated anew, as numbers and as the computation wrote
        // them; the panel shows them unless it shows a selected element (then Ixgyg is blank). Below a mass
        // of 1e-30 the elements' values near the least normal float and lose their bits: not judged.
        if (const prova::Atteso e = prova::atteso(s); r.eseguito && r.attuali && e.massalorda > 1e-30) {
            double testi[15];
            for (int i = 0; i < 15; ++i) testi[i] = valoredidascalia(r.testi[i]);
            const bool diritti = r.testi[14] == "0" || r.testi[14] == "90";
            if (std::string e1 = prova::giudica(r.risultati + 1, diritti, e); !e1.empty()) return "risultati: " + e1;
            if (std::string e2 = prova::giudica(testi, diritti, e); !e2.empty()) return "testi: " + e2;
            for (int i = 0; i < 15 && !pannello_[9]->text().isEmpty(); ++i)
                if (pannello_[size_t(i)]->text().toStdString() != r.testi[i]) return "il pannello non mostra i risultati";
            // Each element's area, mass and inertia as stored (a selection shows them): those of it alone.
            const int prossimi[3] = {s.prossimorettangolo, s.prossimotriangolo, s.prossimocerchio};
            const std::array<int, 5> campi[3] = {{R::area, R::massa, R::ix, R::iy, R::ixy},
                                                 {T::area, T::massa, T::ix, T::iy, T::ixy},
                                                 {C::area, C::massa, C::ix, C::iy, C::ixy}};
            for (int k = 0; k < 3; ++k)
                for (int i = 1; i < prossimi[k]; ++i) {
                    const float* riga = k == 0 ? s.rettangoli[i] : k == 1 ? s.triangoli[i] : s.cerchi[i];
                    const prova::Atteso a = prova::atteso(prova::solo(s, k, i));
                    const double attesi[5] = {a.area, a.massa, a.ix, a.iy, a.ixy};
                    const double momenti = std::max({std::fabs(a.ix), std::fabs(a.iy), std::fabs(a.ixy)});
                    for (int j = 0; j < 5; ++j)
                        if (const double scarto = std::fabs(riga[campi[k][j]] - attesi[j]);
                            !(scarto <= 1e-6 * (j < 2 ? std::fabs(attesi[j]) : momenti) + 1e-30))
                            return "elemento " + std::to_string(i) + ", campo " + std::to_string(campi[k][j]) +
                                   " diverso dall'integrale";
                }
        }

        // A load point lives with current results only; its least and greatest stress are those of the
        // reference field where the section is well conditioned (no holes, radii far from 0).
        const auto& c = f.sollecitazione;
        if ((c.fissato || c.modo) && !(r.eseguito && r.attuali)) return "un carico senza risultati attuali";
        if (!c.fissato && !c.modo && (!p.segni.primitive.empty() || !f.ctl.testo("lblSigmaMin").empty()))
            return "i segni del carico restano";
        if (p.segni.primitive.size() > 6) return "troppi segni del carico";
        for (const Primitiva& q : p.segni.primitive)
            for (float x : {q.x1, q.y1, q.x2, q.y2}) if (!finito(x)) return "un segno del carico non finito";
        if (const prova::Atteso e = prova::atteso(s); c.fissato && e.massalorda == e.massa && e.imin > 1e-4 * e.imax) {
            const prova::Campo campo = prova::campo(s, c.carico.x, c.carico.y);
            for (auto [nome, massimo] : {std::pair{"lblSigmaMin", false}, {"lblSigmaMax", true}})
                if (const double v = prova::estremo(s, campo, massimo);
                    !(std::fabs(valoredidascalia(f.ctl.testo(nome)) - v) <= 1e-4 * (1 + std::fabs(v))))
                    return std::string(nome) + " diverso dal campo di riferimento";
        }

        // An undo goes back to the state before the step, and a redo forward to this one: on a copy of
        // the core, so that the selection and the commands of the sequence stay.
        const std::string ora = istantanea(f);
        if (!f.comandoinsospeso() && f.storia.puoiannullare() && (ora != prima_ || f.storia.passi() != passi_)) {
            FrmVask_2 copia = f;
            copia.mnuEditaAnnulla_Click();
            if (f.storia.passi() == passi_ + 1 && istantanea(copia) != prima_) return "annullare non torna allo stato di prima";
            copia.mnuEditaRipeti_Click();
            if (istantanea(copia) != ora) return "annullare e ripetere non tornano allo stesso stato";
        }
        prima_ = ora, passi_ = f.storia.passi();

        // Whatever the section holds, saved and opened again it is the same bit for bit, rows past the
        // counters empty, every value derived from the others as opening derives it. But for one thing:
        // a move keeps an element's area and mass, opening derives them from the moved corners, and the
        // two may be a few float steps apart.
        if (std::memcmp(ora.data(), &riaperta_, sizeof(Sezione)) != 0) {
            const QByteArray testo = scrivisezione(f.documento());
            Documento d;
            if (const QString e = leggisezione(testo, d); !e.isEmpty()) return "il file non si rilegge: " + e.toStdString();
            if (const std::string e = lettore_.apridocumento(d, "casuale.vask"); !e.empty()) return "non si riaprirebbe: " + e;
            riaperta_ = lettore_.sez;
            // A float step of a corner far from the origin is a larger part of a small side: the steps
            // allowed grow with the coordinates over the sides.
            const auto vicino = [](float a, float& b, const float* x, const float* y, int n) {  // then taken as equal
                float x0 = x[0], x1 = x[0], y0 = y[0], y1 = y[0], grandi = 0;
                for (int k = 0; k < n; ++k) {
                    x0 = std::min(x0, x[2 * k]), x1 = std::max(x1, x[2 * k]), y0 = std::min(y0, y[2 * k]), y1 = std::max(y1, y[2 * k]);
                    grandi = std::max({grandi, std::fabs(x[2 * k]), std::fabs(y[2 * k])});
                }
                const float passi = 1 + grandi / std::max(std::min(x1 - x0, y1 - y0), 1e-30f);
                const bool si = std::fabs(a - b) <= 3e-7f * passi * std::fabs(a) + 1e-44f;
                b = a;
                return si;
            };
            for (int i = 1; i < s.prossimorettangolo; ++i)
                for (int c : {R::area, R::massa})
                    if (const float* r = s.rettangoli[i]; !vicino(r[c], riaperta_.rettangoli[i][c], r + R::x1, r + R::y1, 2))
                        return "area riaperta diversa";
            for (int i = 1; i < s.prossimotriangolo; ++i)
                for (int c : {T::area, T::massa})
                    if (const float* t = s.triangoli[i]; !vicino(t[c], riaperta_.triangoli[i][c], t + T::x1, t + T::y1, 3))
                        return "area riaperta diversa";
            if (std::memcmp(ora.data(), &riaperta_, sizeof(Sezione)) != 0) return "la sezione riaperta è diversa";
            Documento vista = lettore_.documento();  // its rows as saved: compared above
            vista.rettangoli = d.rettangoli, vista.triangoli = d.triangoli;
            if (scrivisezione(vista) != testo) return "vista o preferenze riaperte diverse";
        }
        return {};
    }

    // Resized, the window is laid out whole: no control covers another or is cut, each keeps its least
    // size, the area its 5:3 in the middle of its frame, the captions read whole, and no hint widens it.
    std::string disposizione() {
        QCoreApplication::processEvents();
        QWidget* centro = f_->centralWidget();
        const auto dove = [centro](QWidget* w) { return QRect(w->mapTo(centro, QPoint()), w->size()); };
        std::vector<QWidget*> controlli;
        for (QWidget* w : centro->findChildren<QWidget*>())
            if ((qobject_cast<QPushButton*>(w) || qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w) ||
                 qobject_cast<AreaGrafica*>(w) || w->objectName().startsWith("Line")) && !w->objectName().isEmpty() && w->isVisible())
                controlli.push_back(w);
        for (QWidget* w : controlli) {
            const QSizePolicy p = w->sizePolicy();
            if (!centro->rect().contains(dove(w)) ||
                (p.horizontalPolicy() != QSizePolicy::Ignored && w->width() < w->minimumSizeHint().width()) ||
                (p.verticalPolicy() != QSizePolicy::Ignored && w->height() < w->minimumSizeHint().height()))
                return w->objectName().toStdString() + " tagliato";
            for (QWidget* b : controlli)
                if (b != w && !w->isAncestorOf(b) && !b->isAncestorOf(w) && dove(w).intersects(dove(b)))
                    return w->objectName().toStdString() + " copre " + b->objectName().toStdString();
        }
        QWidget* quadro = f_->area()->parentWidget();
        QRect blocco;
        for (QWidget* w : quadro->findChildren<QWidget*>()) blocco |= w->geometry();
        if (std::abs(blocco.top() - (quadro->height() - 1 - blocco.bottom())) > 1 ||
            std::abs(blocco.left() - (quadro->width() - 1 - blocco.right())) > 1 ||
            std::abs(f_->area()->width() * 3 - f_->area()->height() * 5) > 5)
            return "area fuori del centro o delle proporzioni";
        for (QLabel* l : quadro->findChildren<QLabel*>() + f_->findChildren<QLabel*>(QRegularExpression("Attuale$")))
            if (l->contentsRect().width() < l->fontMetrics().horizontalAdvance(l->text()))
                return l->objectName().toStdString() + " tagliata";
        return f_->findChild<QLabel*>("lblDescrizione")->minimumSizeHint() != barra_ ? "l'indicazione allarga la finestra" : "";
    }

private:
    std::mt19937 caso_;
    Copione risposte_;
    QTemporaryDir cartella_;
    std::unique_ptr<QPdfWriter> pdf_;
    int uscite_ = 0;
    std::unique_ptr<FinestraPrincipale> f_;
    std::vector<std::string> pulsanti_, voci_;
    std::map<std::string, QAction*> tasti_;
    QAction *scattata_ = nullptr, *atteso_ = nullptr;  // the entry fired by the last action, the one its key should fire
    std::vector<QLabel*> pannello_;
    std::vector<std::pair<QWidget*, std::string>> controlli_;
    Copione muto_;
    FrmVask_2 lettore_{muto_};  // opens every section reached, as saved
    Sezione riaperta_;          // the last one it opened, area and mass of the moved elements as they were
    std::string prima_;         // the state after the last action checked
    size_t passi_ = 0;
    Tipo ultima_ = Tipo::Muovi;
    bool ridotta_ = false;  // before the last action
    QSize dimensione_;
    QSize barra_;  // the hint bar's least size with the first hint
    std::array<double, 3> vista_{};  // left, bottom and width before the last action
    std::array<double, 2> rotella_{};  // where the last action was, as fractions of the area
    std::string digitato_;           // the last point typed, or "Esc" pressed
};

}  // namespace scimmia
