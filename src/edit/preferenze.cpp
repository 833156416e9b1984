// Colours and line width: each choice is stored and the picture regenerated.
#include "edit/frmvask2.h"

namespace vask {

void FrmVask_2::preferenza(uint32_t& campo, uint32_t colore) {
    campo = colore;
    mnuVisualizzaRigenera_Click();
}

void FrmVask_2::sfondopic(uint32_t colore) {
    coloresfondo = colore;
    pic.sfondo = coloresfondo;
    mnuVisualizzaRigenera_Click();
}

void FrmVask_2::mnuPreferenzeSfondoBianco_Click() { sfondopic(BIANCO); }
void FrmVask_2::mnuPreferenzeSfondoNero_Click() { sfondopic(NERO); }
void FrmVask_2::mnuPreferenzeSfondoGrigio_Click() { sfondopic(GRIGIO); }

void FrmVask_2::mnuPreferenzeGrigliaBianco_Click() { preferenza(coloregriglia, BIANCO); }
void FrmVask_2::mnuPreferenzeGrigliaNero_Click() { preferenza(coloregriglia, NERO); }
void FrmVask_2::mnuPreferenzeGrigliaGrigio_Click() { preferenza(coloregriglia, GRIGIO); }
void FrmVask_2::mnuPreferenzeGrigliaRosso_Click() { preferenza(coloregriglia, ROSSO); }
void FrmVask_2::mnuPreferenzeGrigliaGiallo_Click() { preferenza(coloregriglia, GIALLO); }

void FrmVask_2::mnuPreferenzeSezioneBianco_Click() { preferenza(coloresezione, BIANCO); }
void FrmVask_2::mnuPreferenzeSezioneNero_Click() { preferenza(coloresezione, NERO); }
void FrmVask_2::mnuPreferenzeSezioneGrigio_Click() { preferenza(coloresezione, GRIGIO); }
void FrmVask_2::mnuPreferenzeSezioneRosso_Click() { preferenza(coloresezione, ROSSO); }
void FrmVask_2::mnuPreferenzeSezioneGiallo_Click() { preferenza(coloresezione, GIALLO); }

void FrmVask_2::mnuPreferenzeLineaBianco_Click() { preferenza(colorelinea, BIANCO); }
void FrmVask_2::mnuPreferenzeLineaNero_Click() { preferenza(colorelinea, NERO); }
void FrmVask_2::mnuPreferenzeLineaVerde_Click() { preferenza(colorelinea, VERDE); }
void FrmVask_2::mnuPreferenzeLineaRosso_Click() { preferenza(colorelinea, ROSSO); }
void FrmVask_2::mnuPreferenzeLineaBlu_Click() { preferenza(colorelinea, BLU); }

void FrmVask_2::mnuPreferenzeSpessori1_Click() {
    pic.spessore = 1;
    mnuVisualizzaRigenera_Click();
}
void FrmVask_2::mnuPreferenzeSpessori2_Click() {
    pic.spessore = 2;
    mnuVisualizzaRigenera_Click();
}

}  // namespace vask
