// Colours and line width: each choice is stored and the picture regenerated.
#include "edit/frmvask2.h"

namespace vask {

void FrmVask_2::preferenza(uint32_t& campo, uint32_t colore) {
    campo = colore;
    mnuVisualizzaRigenera_Click();
}

void FrmVask_2::sfondopic(uint32_t colore) {
    colori.coloresfondo = colore;
    pic.sfondo = colori.coloresfondo;
    mnuVisualizzaRigenera_Click();
}

void FrmVask_2::mnuPreferenzeSfondoBianco_Click() { sfondopic(BIANCO); }
void FrmVask_2::mnuPreferenzeSfondoNero_Click() { sfondopic(NERO); }
void FrmVask_2::mnuPreferenzeSfondoGrigio_Click() { sfondopic(GRIGIO); }

void FrmVask_2::mnuPreferenzeGrigliaBianco_Click() { preferenza(colori.coloregriglia, BIANCO); }
void FrmVask_2::mnuPreferenzeGrigliaNero_Click() { preferenza(colori.coloregriglia, NERO); }
void FrmVask_2::mnuPreferenzeGrigliaGrigio_Click() { preferenza(colori.coloregriglia, GRIGIO); }
void FrmVask_2::mnuPreferenzeGrigliaRosso_Click() { preferenza(colori.coloregriglia, ROSSO); }
void FrmVask_2::mnuPreferenzeGrigliaGiallo_Click() { preferenza(colori.coloregriglia, GIALLO); }

void FrmVask_2::mnuPreferenzeSezioneBianco_Click() { preferenza(colori.coloresezione, BIANCO); }
void FrmVask_2::mnuPreferenzeSezioneNero_Click() { preferenza(colori.coloresezione, NERO); }
void FrmVask_2::mnuPreferenzeSezioneGrigio_Click() { preferenza(colori.coloresezione, GRIGIO); }
void FrmVask_2::mnuPreferenzeSezioneRosso_Click() { preferenza(colori.coloresezione, ROSSO); }
void FrmVask_2::mnuPreferenzeSezioneGiallo_Click() { preferenza(colori.coloresezione, GIALLO); }

void FrmVask_2::mnuPreferenzeLineaBianco_Click() { preferenza(colori.colorelinea, BIANCO); }
void FrmVask_2::mnuPreferenzeLineaNero_Click() { preferenza(colori.colorelinea, NERO); }
void FrmVask_2::mnuPreferenzeLineaVerde_Click() { preferenza(colori.colorelinea, VERDE); }
void FrmVask_2::mnuPreferenzeLineaRosso_Click() { preferenza(colori.colorelinea, ROSSO); }
void FrmVask_2::mnuPreferenzeLineaBlu_Click() { preferenza(colori.colorelinea, BLU); }

void FrmVask_2::mnuPreferenzeSpessori1_Click() {
    pic.spessore = 1;
    mnuVisualizzaRigenera_Click();
}
void FrmVask_2::mnuPreferenzeSpessori2_Click() {
    pic.spessore = 2;
    mnuVisualizzaRigenera_Click();
}

}  // namespace vask
