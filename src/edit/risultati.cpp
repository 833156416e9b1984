// "Esegui": element inertia, section properties, results panel, central axes;
// then the central kern and the central ellipse.
#include <cmath>
#include <vector>

#include "analysis/inerzia.h"
#include "analysis/proprieta.h"
#include "edit/frmvask2.h"
#include "model/numeri.h"

namespace vask {

void FrmVask_2::prodottoinerziaxytriangolo() {
    for (int i = 1; i < sez.prossimotriangolo; ++i)
        sez.triangoli[i][T::ixy] = prodottoxytriangolo(sez.triangoli[i]);
}
void FrmVask_2::momentoinerziaxtriangolo() {
    for (int i = 1; i < sez.prossimotriangolo; ++i)
        sez.triangoli[i][T::ix] = momentoxtriangolo(sez.triangoli[i]);
}
void FrmVask_2::momentoinerziaytriangolo() {
    for (int i = 1; i < sez.prossimotriangolo; ++i)
        sez.triangoli[i][T::iy] = momentoytriangolo(sez.triangoli[i]);
}
void FrmVask_2::momentoinerziaxrettangolo() {
    for (int i = 1; i < sez.prossimorettangolo; ++i)
        sez.rettangoli[i][R::ix] = inerziarettangolo(sez.rettangoli[i]).ix;
}
void FrmVask_2::momentoinerziayrettangolo() {
    for (int i = 1; i < sez.prossimorettangolo; ++i) {
        const Inerzia in = inerziarettangolo(sez.rettangoli[i]);
        sez.rettangoli[i][R::iy] = in.iy;
        sez.rettangoli[i][R::ixy] = in.ixy;
    }
}
void FrmVask_2::momentoinerziaxcerchio() {
    for (int i = 1; i < sez.prossimocerchio; ++i)
        sez.cerchi[i][C::ix] = inerziacerchio(sez.cerchi[i], pigreco).ix;
}
void FrmVask_2::momentoinerziaycerchio() {
    for (int i = 1; i < sez.prossimocerchio; ++i) {
        const Inerzia in = inerziacerchio(sez.cerchi[i], pigreco);
        sez.cerchi[i][C::iy] = in.iy;
        sez.cerchi[i][C::ixy] = in.ixy;
    }
}

void FrmVask_2::btnEsegui_Click() {
    abbandonacarico();
    // The kern of the previous results would stay beside the new one.
    rigenera(false);
    mnuVisualizzaRisultati_Click();
}

namespace {

bool inerziefinite(const Sezione& s) {
    for (int i = 1; i < s.prossimorettangolo; ++i)
        for (int c : {R::ix, R::iy, R::ixy})
            if (!std::isfinite(s.rettangoli[i][c])) return false;
    for (int i = 1; i < s.prossimotriangolo; ++i)
        for (int c : {T::ix, T::iy, T::ixy})
            if (!std::isfinite(s.triangoli[i][c])) return false;
    for (int i = 1; i < s.prossimocerchio; ++i)
        for (int c : {C::ix, C::iy, C::ixy})
            if (!std::isfinite(s.cerchi[i][c])) return false;
    return true;
}

}  // namespace

void FrmVask_2::mnuVisualizzaRisultati_Click() {
    if ((sez.prossimorettangolo == 1 && sez.prossimotriangolo == 1 && sez.prossimocerchio == 1) ||
        costruzione.puntorettangolo != 0 || costruzione.puntotriangolo != 0 || costruzione.puntocerchio != 0) {
        avviso(QT_TRANSLATE_NOOP("Vask", "Introdurre i dati per il calcolo."), QT_TRANSLATE_NOOP("Vask", "Calcolo non eseguito."));
        return;
    }

    entraincalcolo();
    ctl.sfondo("btnNoccioloCentrale", VERDE);
    ctl.sfondo("btnEllisseCentrale", VERDE);
    ctl.sfondo("btnCancella", FACCIA);
    ctl.sfondo("btnModifica", FACCIA);
    ctl.sfondo("btnSposta", FACCIA);
    selezione.hoselezionatounrettangolo = selezione.hoselezionatountriangolo = selezione.hoselezionatouncerchio =
        selezione.hoselezionatounalinea = false;
    selezione.selezionorettangolo = selezione.selezionotriangolo = selezione.selezionocerchio = selezione.selezionolinea = false;

    // Overflow from huge densities must not leave infinities in the tables.
    const Sezione primadelcalcolo = sez;
    prodottoinerziaxytriangolo();
    momentoinerziaxtriangolo();
    momentoinerziaytriangolo();
    momentoinerziaxrettangolo();
    momentoinerziayrettangolo();
    momentoinerziaxcerchio();
    momentoinerziaycerchio();

    const Proprieta p = calcolaproprieta(sez, pigreco);
    if (!inerziefinite(sez) || !finite(p)) {
        sez = primadelcalcolo;
        msg_.mostra(QT_TRANSLATE_NOOP("Vask", "I valori della sezione sono troppo grandi per essere calcolati. Controllare "
                    "densità e dimensioni dei singoli componenti della sezione selezionandoli."),
                    QT_TRANSLATE_NOOP("Vask", "Calcolo non eseguibile."), Icona::Critico, Pulsanti::Ok);
        mnuVisualizzaRigenera_Click();
        return;
    }
    ris.ixtotale = p.ixtotale;
    ris.iytotale = p.iytotale;
    ris.ixytotale = p.ixytotale;
    ris.massatotale = p.massatotale;
    if (ris.massatotale <= 0) {
        msg_.mostra(QT_TRANSLATE_NOOP("Vask", "La massa della sezione è complessivamente minore o uguale a zero. Il calcolo "
                    "non può essere eseguito. Controllare i dati dei singoli componenti della "
                    "sezione selezionandoli."),
                    QT_TRANSLATE_NOOP("Vask", "Calcolo non eseguibile."), Icona::Critico, Pulsanti::Ok);
        mnuVisualizzaRigenera_Click();
        return;
    }

    ris.xg = p.xg;
    ris.yg = p.yg;
    ris.momentostatico = ris.yg * ris.massatotale;
    pic.cerchio(ris.xg, ris.yg, pic.scalewidth / 500, VERDE);

    ris.ixg = p.ixg;
    ris.iyg = p.iyg;
    ris.ixgyg = p.ixgyg;
    ris.raggiocentralexc = p.raggiocentralexc;
    ris.raggiocentraleyc = p.raggiocentraleyc;
    ris.inclinazioneassicentraliradianti = p.alfa;
    ris.angologradi = p.angologradi;
    const float valori[15] = {p.area,  p.massatotale, p.xg,  p.yg,  p.ixtotale,
                              p.iytotale, p.ixg,      p.iyg, p.ixytotale, p.ixgyg,
                              p.ixc,   p.iyc,         p.raggiocentralexc, p.raggiocentraleyc,
                              p.angologradi};
    for (int i = 0; i < 15; ++i) {
        ris.risultati[i + 1] = valori[i];
        ctl.testo(ETICHETTERISULTATI[i], testosingolo(valori[i]));
    }

    const float lunghezza = pic.scaleheight / 3;
    // The axes rule reads the true centroidal moments, as the angle did.
    switch (casoassi(ris.angologradi, float(p.ixgvero), float(p.iygvero))) {
    case Assi::Obliqui: {
        const float t = std::tan(ris.inclinazioneassicentraliradianti);
        pic.linea(ris.xg, ris.yg, ris.xg + lunghezza, ris.yg + lunghezza * t, VIOLA);
        pic.linea(ris.xg, ris.yg, ris.xg - lunghezza, ris.yg - lunghezza * t, VIOLA);
        pic.linea(ris.xg, ris.yg, ris.xg + lunghezza, ris.yg - lunghezza / t, ROSSO);
        pic.linea(ris.xg, ris.yg, ris.xg - lunghezza, ris.yg + lunghezza / t, ROSSO);
        break;
    }
    case Assi::Verticale:
        pic.linea(ris.xg, 0, ris.xg, 200, VIOLA);
        pic.linea(0, ris.yg, 200, ris.yg, ROSSO);
        ris.risultati[15] = 90;
        ris.inclinazioneassicentraliradianti = pigreco / 2;
        ctl.testo("lblAngoloxc", "90");
        break;
    case Assi::Orizzontale:
        pic.linea(ris.xg, 0, ris.xg, 200, ROSSO);
        pic.linea(0, ris.yg, 200, ris.yg, VIOLA);
        ris.risultati[15] = 0;
        ris.inclinazioneassicentraliradianti = 0;
        ctl.testo("lblAngoloxc", "0");
        break;
    }

    ris.eseguito = true;
    ris.attuali = true;
    ris.calcolo = true;
    ris.calcolata = sez;
    for (int i = 0; i < 15; ++i) ris.testi[i] = ctl.testo(ETICHETTERISULTATI[i]);
    btnNoccioloCentrale_Click();
    btnEllisseCentrale_Click();
    // A radius clamped to 0 flattens ellipse and kern: say why.
    const char* const indicazione =
        p.immaginarioyc
            ? QT_TRANSLATE_NOOP("Vask", "L'asse Xc è VIOLA. L'asse Yc è ROSSO. Xc è l'asse intorno a cui si ha l'inerzia "
                                        "massima. Con i suoi fori la sezione non ha un'ellisse centrale reale lungo gli "
                                        "assi Xc e Yc.")
        : p.immaginarioxc
            ? QT_TRANSLATE_NOOP("Vask", "L'asse Xc è VIOLA. L'asse Yc è ROSSO. Xc è l'asse intorno a cui si ha l'inerzia "
                                        "massima. Con i suoi fori la sezione non ha un'ellisse centrale reale lungo "
                                        "l'asse Xc.")
            : QT_TRANSLATE_NOOP("Vask", "L'asse Xc è VIOLA. L'asse Yc è ROSSO. Xc è l'asse intorno a cui si ha l'inerzia "
                                        "massima.");
    ctl.testo("lblDescrizione", indicazione);
}

Relazione FrmVask_2::relazione() const { return calcolarelazione(ris.calcolata, sez, pigreco); }

void FrmVask_2::btnEllisseCentrale_Click() {
    if ((sez.prossimorettangolo == 1 && sez.prossimotriangolo == 1 && sez.prossimocerchio == 1) ||
        costruzione.puntorettangolo != 0 || costruzione.puntotriangolo != 0 || costruzione.puntocerchio != 0) {
        avviso(QT_TRANSLATE_NOOP("Vask", "Introdurre i dati per il calcolo."), QT_TRANSLATE_NOOP("Vask", "Calcolo non eseguito."));
        return;
    }
    if (!ris.eseguito) return;

    // The overlay holds nothing but the ellipse: drawing it again replaces it
    // instead of piling up the same points at every press.
    pic.svuotasovrapposto();
    pic.persistente = false;
    tracciaellisse(ris.xg, ris.yg, ris.inclinazioneassicentraliradianti, ris.raggiocentralexc, ris.raggiocentraleyc,
                   pic.scaleleft, pic.scaleleft + pic.scalewidth, ellisse);
    // One closed line through the swept points, a few thousand at most.
    const std::vector<float> linea = lineaellisse(ellisse, pic.scaleleft, pic.scaleleft + pic.scalewidth,
                                                  pic.scalewidth, pic.scalewidth / 4000);
    if (linea.size() >= 4) pic.polilinea(linea.data(), static_cast<uint32_t>(linea.size() / 2), BLU);
    pic.cerchio(ris.xg, ris.yg, pic.scalewidth / 400, CIANO);
    pic.persistente = true;
}

void FrmVask_2::btnNoccioloCentrale_Click() {
    if (sez.l <= 1 || !ris.eseguito) return;
    const int n = sez.l - 1;
    calcolanocciolo(nocciolo, sez.linee, n, ris.xg, ris.yg, ris.inclinazioneassicentraliradianti,
                    ris.raggiocentralexc, ris.raggiocentraleyc);

    // Markers in the order of the lines; the polygon joins the vertices in
    // their order around G, the order of the edges of a convex kern.
    const auto& v = nocciolo.verticinocciolo;
    const float raggiomarca = pic.scalewidth / 400;
    for (int i = 1; i <= n; ++i)
        if (nocciolo.valido[i]) pic.cerchio(v[i][1], v[i][2], raggiomarca, CIANO);
    int ordine[MAXLINEE];
    const int m = ordineattorno(nocciolo, n, ris.xg, ris.yg, ordine);
    for (int j = 0; j < m; ++j) {
        const float* a = v[ordine[j]];
        const float* b = v[ordine[(j + 1) % m]];
        pic.linea(a[1], a[2], b[1], b[2], BLU);
    }

    for (int i = 1; i <= n; ++i) {
        copianocciolo.puntinocciolo[i][1] = v[i][1];
        copianocciolo.puntinocciolo[i][2] = v[i][2];
        copianocciolo.puntinoccioloattivo[i] = nocciolo.valido[i] && ris.attuali;
    }
    copianocciolo.vask = n;
}

}  // namespace vask
