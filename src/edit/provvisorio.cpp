// Provisional bodies, replaced as the handlers are written.
#include "edit/frmvask2.h"
namespace vask {
void FrmVask_2::btnEsegui_Click() {}
void FrmVask_2::mnuVisualizzaRisultati_Click() {}
void FrmVask_2::btnEllisseCentrale_Click() {}
void FrmVask_2::btnNoccioloCentrale_Click() {}
void FrmVask_2::btnRigenera_Click() {}
void FrmVask_2::mnuVisualizzaRigenera_Click() {}
void FrmVask_2::mnuPreferenzeSfondoBianco_Click() {}
void FrmVask_2::mnuPreferenzeSfondoNero_Click() {}
void FrmVask_2::mnuPreferenzeSfondoGrigio_Click() {}
void FrmVask_2::mnuPreferenzeGrigliaBianco_Click() {}
void FrmVask_2::mnuPreferenzeGrigliaNero_Click() {}
void FrmVask_2::mnuPreferenzeGrigliaGrigio_Click() {}
void FrmVask_2::mnuPreferenzeGrigliaRosso_Click() {}
void FrmVask_2::mnuPreferenzeGrigliaGiallo_Click() {}
void FrmVask_2::mnuPreferenzeSezioneBianco_Click() {}
void FrmVask_2::mnuPreferenzeSezioneNero_Click() {}
void FrmVask_2::mnuPreferenzeSezioneGrigio_Click() {}
void FrmVask_2::mnuPreferenzeSezioneRosso_Click() {}
void FrmVask_2::mnuPreferenzeSezioneGiallo_Click() {}
void FrmVask_2::mnuPreferenzeLineaBianco_Click() {}
void FrmVask_2::mnuPreferenzeLineaNero_Click() {}
void FrmVask_2::mnuPreferenzeLineaVerde_Click() {}
void FrmVask_2::mnuPreferenzeLineaRosso_Click() {}
void FrmVask_2::mnuPreferenzeLineaBlu_Click() {}
void FrmVask_2::mnuPreferenzeSpessori1_Click() {}
void FrmVask_2::mnuPreferenzeSpessori2_Click() {}
void FrmVask_2::btnDisegna_Click() {}
void FrmVask_2::btnSeleziona_Click() {}
void FrmVask_2::btnRettangolo_Click() {}
void FrmVask_2::btnTriangolo_Click() {}
void FrmVask_2::btnCerchio_Click() {}
void FrmVask_2::btnLinea_Click() {}
void FrmVask_2::mnuModificaRettangolo_Click() {}
void FrmVask_2::mnuModificaTriangolo_Click() {}
void FrmVask_2::mnuModificaCerchio_Click() {}
void FrmVask_2::mnuModificaLinea_Click() {}
void FrmVask_2::mnuStrumentiRettangolo_Click() {}
void FrmVask_2::mnuStrumentiTriangolo_Click() {}
void FrmVask_2::mnuStrumentiCerchio_Click() {}
void FrmVask_2::mnuStrumentiLinea_Click() {}
void FrmVask_2::picAreagrafica_MouseMove(float x, float y) {}
void FrmVask_2::picAreagrafica_MouseDown(float x, float y) {}
void FrmVask_2::picAreagrafica_MouseUp(float x, float y) {}
void FrmVask_2::indicazioni() {}
void FrmVask_2::rigenerasolosezioneelinea() {}
void FrmVask_2::campituratriangoli() {}
void FrmVask_2::grigliapunteggiata() {}
void FrmVask_2::lineeguida() {}
void FrmVask_2::prodottoinerziaxytriangolo() {}
void FrmVask_2::momentoinerziaxtriangolo() {}
void FrmVask_2::momentoinerziaytriangolo() {}
void FrmVask_2::momentoinerziaxrettangolo() {}
void FrmVask_2::momentoinerziayrettangolo() {}
void FrmVask_2::momentoinerziaxcerchio() {}
void FrmVask_2::momentoinerziaycerchio() {}
void FrmVask_2::scrivilettura(float x, float y) {}
void FrmVask_2::letturacursore(float x, float y) {}
void FrmVask_2::oggettosnap() {}
void FrmVask_2::grigliasnap() {}
void FrmVask_2::anteprima() {}
void FrmVask_2::disegnarettangolo() {}
void FrmVask_2::disegnatriangolo() {}
void FrmVask_2::disegnalinea_() {}
void FrmVask_2::disegnacerchio_() {}
void FrmVask_2::sceltadisegno(int tipo) {}
void FrmVask_2::sceltatipo(int tipo) {}
void FrmVask_2::sceltaselezione(int tipo) {}
void FrmVask_2::preferenza(uint32_t& campo, uint32_t colore) {}
void FrmVask_2::sfondopic(uint32_t colore) {}
}
