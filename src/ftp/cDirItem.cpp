#include "ftp/cDirItem.h"

namespace travesa {

void cDirItem::PonAtributos(std::uint32_t lAttrib) {
  ReadOnly = (lAttrib & kSoloLectura) != 0;
  Hidden = (lAttrib & kOculto) != 0;
  System = (lAttrib & kSistema) != 0;
  Directory = (lAttrib & kCarpeta) != 0;
  Archive = (lAttrib & kArchivado) != 0;
  Normal = (lAttrib & kNormal) != 0;
  Temporary = (lAttrib & kTemporal) != 0;
  Compressed = (lAttrib & kComprimido) != 0;
  Offline = (lAttrib & kFueraDeLinea) != 0;
}

}  // namespace travesa
