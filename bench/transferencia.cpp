// One transfer through the program's FTP client, as a job makes it (passive,
// binary, progress handled), for bench/run to time against curl.
//   bench_transferencia subir|bajar SITIO USUARIO CLAVE LOCAL REMOTO
#include <cstdio>
#include <string>

#include "ftp/clsFTP.h"

int main(int argc, char** argv) {
  if (argc != 7) {
    std::fprintf(stderr, "Uso: bench_transferencia subir|bajar SITIO USUARIO CLAVE LOCAL REMOTO\n");
    return 2;
  }
  const std::string orden = argv[1];
  travesa::clsFTP ftp;
  ftp.SetModePassive();
  ftp.SetTransferBinary();
  std::int64_t avisos = 0;
  ftp.SetIntervaloProgreso(std::chrono::milliseconds(50));
  ftp.FileTransferProgress = [&avisos](std::int64_t, std::int64_t) { ++avisos; };
  if (!ftp.OpenConnection(argv[2], argv[3], argv[4])) {
    std::fprintf(stderr, "%s\n", ftp.GetLastErrorMessage().c_str());
    return 1;
  }
  const bool ok = orden == "subir" ? ftp.FTPUploadFile(argv[5], argv[6]) : ftp.FTPDownloadFile(argv[5], argv[6]);
  if (!ok) {
    std::fprintf(stderr, "%s\n", ftp.GetLastErrorMessage().c_str());
    return 1;
  }
  return avisos > 0 ? 0 : 1;
}
