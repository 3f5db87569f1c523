#pragma once
// The local side of a download. Bytes go to a hidden temporary file beside the
// target; only Confirma puts it in the target's place, so a transfer that
// breaks off never leaves a file that could pass for the complete one. The
// temporary file is removed when the object goes away unconfirmed.
#include <cstdint>
#include <filesystem>
#include <string>

namespace travesa {

class ArchivoParcial {
 public:
  explicit ArchivoParcial(std::filesystem::path destino);
  ~ArchivoParcial();
  ArchivoParcial(const ArchivoParcial&) = delete;
  ArchivoParcial& operator=(const ArchivoParcial&) = delete;

  bool abierto() const { return fd_ >= 0; }
  // errno of the last failure and a text that names the file.
  int numeroError() const { return errno_; }
  const std::string& error() const { return error_; }
  std::int64_t escritos() const { return escritos_; }

  bool Escribe(const char* datos, std::size_t largo);
  // Closes the temporary file and renames it over the target.
  bool Confirma();

 private:
  bool Falla(std::string_view que, const std::filesystem::path& archivo);
  void Cierra();

  std::filesystem::path destino_;
  std::filesystem::path temporal_;
  int fd_ = -1;
  bool confirmado_ = false;
  std::int64_t escritos_ = 0;
  int errno_ = 0;
  std::string error_;
};

}  // namespace travesa
