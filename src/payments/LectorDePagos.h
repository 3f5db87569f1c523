#pragma once
// The reading of a payment file `cxcs_*.sql` that a seller's phone uploaded:
// its name gives the date and time of every payment in it, its content holds one
// "values (" group per payment, whose items 3 and 4 are the receivable Id and the
// amount paid. Nothing here touches the database.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace travesa {

class BitacoraDeArchivos;

// One payment as the phone recorded it.
struct RegistroDePago {
  long idCxc = 0;     // cxc.Id of the receivable paid
  double monto = 0;   // amount paid
  std::string fecha;  // "yyyy-mm-dd", from the file name
  std::string hora;   // "hh:mm", from the file name
  long orden = 0;     // its "values (" group in the file, from 1
};

class LectorDePagos {
 public:
  // Date and time of the payments of a file, from the fields of its name
  // cxcs_DEVICE_SELLER_DAY_MONTH_YEAR_HOUR_MINUTE.sql. Empty when the name has
  // fewer fields, no extension on the minute, or fields that are no valid date
  // and time. One-digit fields are padded ("9" and "5" give "09:05").
  struct Momento {
    std::string fecha;
    std::string hora;
  };
  static std::optional<Momento> MomentoDelNombre(std::string_view nombreArchivo);

  // The payments of a file's text. Every backslash-apostrophe becomes an
  // apostrophe first. A group without its closing ")" and line end, or with
  // fewer than five items, is left out and described in `rechazos`.
  static std::vector<RegistroDePago> Registros(std::string_view texto, const Momento& momento,
                                               std::vector<std::string>& rechazos);

  // The bytes of a file, as UTF-8 text.
  static std::string Contenido(const std::filesystem::path& archivo);

  using AlRegistro = std::function<void(const RegistroDePago&)>;

  // Reads one local payment file: each payment goes to `alRegistro`. False
  // (and a log line) when its name does not give a date and time: the file
  // is then not read.
  static bool LeerArchivoDePagos(const std::filesystem::path& archivo, BitacoraDeArchivos& bitacora,
                                 const AlRegistro& alRegistro);
  // The content of a file whose name was already read: its text and every
  // rejected group go to the log.
  static void CargarPagos(const std::filesystem::path& archivo, const Momento& momento, BitacoraDeArchivos& bitacora,
                          const AlRegistro& alRegistro);
};

}  // namespace travesa
