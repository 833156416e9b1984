// Texts of the core that the shell shows translated: the mark lupdate
// reads, a plain string here, where there is no toolkit.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(contesto, testo) testo
#endif
