#pragma once
// One entry of a remote listing. Times are days since 1899-12-30 with the time
// of day as the fraction, in local time (0 when the server gave none).
#include <cstdint>
#include <string>

namespace travesa {

class cDirItem {
 public:
  // Windows file attribute bits, as the listings report them.
  static constexpr std::uint32_t kSoloLectura = 0x1;
  static constexpr std::uint32_t kOculto = 0x2;
  static constexpr std::uint32_t kSistema = 0x4;
  static constexpr std::uint32_t kCarpeta = 0x10;
  static constexpr std::uint32_t kArchivado = 0x20;
  static constexpr std::uint32_t kNormal = 0x80;
  static constexpr std::uint32_t kTemporal = 0x100;
  static constexpr std::uint32_t kComprimido = 0x800;
  static constexpr std::uint32_t kFueraDeLinea = 0x1000;

  void PonAtributos(std::uint32_t lAttrib);

  bool ReadOnly = false;
  bool Hidden = false;
  bool System = false;
  bool Directory = false;
  bool Archive = false;
  bool Normal = false;
  bool Temporary = false;
  bool Compressed = false;
  bool Offline = false;
  double CreationTime = 0;
  double LastAccessTime = 0;
  double LastWriteTime = 0;
  std::int32_t FileSize = 0;  // the low 32 bits of the size
  std::string filename;
};

}  // namespace travesa
