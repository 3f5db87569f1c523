#include "shell/ArchivosConocidos.h"

#include "shell/host/Conexion.h"
#include "shell/host/Huella.h"
#include "shell/host/RecordSet.h"

namespace travesa {
namespace {

// Written in SQL that every MySQL from 5.5 and MariaDB run; ASCII columns.
constexpr const char* kCrea =
    "CREATE TABLE IF NOT EXISTS travesaarchivos ("
    "Sitio CHAR(32) NOT NULL, Archivo VARCHAR(64) NOT NULL, Origen CHAR(1) NOT NULL, Huella CHAR(64) NOT NULL, "
    "Tamano BIGINT NOT NULL, Modificado CHAR(14) NOT NULL DEFAULT '', Documento BIGINT NOT NULL DEFAULT 0, "
    "Fecha DATETIME NOT NULL, "
    "PRIMARY KEY (Sitio, Archivo, Origen, Huella), KEY (Archivo, Huella), KEY (Sitio, Archivo, Tamano)"
    ") ENGINE=InnoDB DEFAULT CHARSET=latin1 COLLATE=latin1_bin";

// The published versions kept per file: enough for every publish that may
// still be on a site or in a phone's hands.
constexpr int kPublicadosGuardados = 20;
// Phones' files read are kept a little over a year.
constexpr int kDiasDeLeidos = 400;

}  // namespace

ArchivosConocidos::ArchivosConocidos(Conexion& cn, std::string_view identidad)
    : cn_(cn), sitio_(Huella::Md5(identidad)) {
  cn_.Execute(kCrea);
}

void ArchivosConocidos::Anota(std::string_view archivo, std::string_view huella, Origen origen, std::int64_t tamano,
                              std::string_view modificado, long long documento) {
  cn_.Execute(
      cn_.Prepara("INSERT INTO travesaarchivos (Sitio, Archivo, Origen, Huella, Tamano, Modificado, Documento, Fecha) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?, NOW()) "
                  "ON DUPLICATE KEY UPDATE Tamano = VALUES(Tamano), Modificado = VALUES(Modificado), "
                  "Documento = VALUES(Documento), Fecha = NOW()",
                  {Valor(sitio_), Valor(archivo), Valor(std::string(1, static_cast<char>(origen))), Valor(huella),
                   Valor(tamano), Valor(modificado), Valor(documento)}));
}

void ArchivosConocidos::Publica(std::string_view archivo, std::string_view huella, std::int64_t tamano) {
  Anota(archivo, huella, Origen::Publicado, tamano, "", 0);
  Poda(archivo);
}

void ArchivosConocidos::Sella(std::string_view archivo, std::string_view huella, std::string_view modificado) {
  if (modificado.empty()) return;
  cn_.Execute(
      cn_.Prepara("UPDATE travesaarchivos SET Modificado = ? WHERE Sitio = ? AND Archivo = ? AND Origen = 'P' "
                  "AND Huella = ?",
                  {Valor(modificado), Valor(sitio_), Valor(archivo), Valor(huella)}));
}

void ArchivosConocidos::Leido(std::string_view archivo, std::string_view huella, std::int64_t tamano,
                              std::string_view modificado, long long documento) {
  Anota(archivo, huella, Origen::Leido, tamano, modificado, documento);
}

bool ArchivosConocidos::Conocido(std::string_view archivo, std::int64_t tamano, std::string_view modificado) {
  if (modificado.empty()) return false;
  return !cn_.Escalar(cn_.Prepara("SELECT 1 FROM travesaarchivos WHERE Sitio = ? AND Archivo = ? AND Tamano = ? "
                                  "AND Modificado = ? LIMIT 1",
                                  {Valor(sitio_), Valor(archivo), Valor(tamano), Valor(modificado)}))
              .EsNulo();
}

std::optional<ArchivosConocidos::Conocida> ArchivosConocidos::Busca(std::string_view archivo, std::string_view huella) {
  // The digest names the content wherever it was met. 'P' sorts after 'L':
  // a published version comes first.
  RecordSet rs;
  rs.Abre(cn_,
          cn_.Prepara("SELECT Origen, Documento FROM travesaarchivos WHERE Archivo = ? AND Huella = ? "
                      "ORDER BY Origen DESC LIMIT 1",
                      {Valor(archivo), Valor(huella)}),
          kTabla);
  if (rs.Eof()) return std::nullopt;
  return Conocida{rs.Fields(0).Texto() == "P" ? Origen::Publicado : Origen::Leido, rs.Fields(1).Entero()};
}

void ArchivosConocidos::Poda(std::string_view archivo) {
  const Valor limite = cn_.Escalar(cn_.Prepara(
      "SELECT Fecha FROM travesaarchivos WHERE Sitio = ? AND Archivo = ? AND Origen = 'P' ORDER BY Fecha DESC "
      "LIMIT 1 OFFSET " +
          std::to_string(kPublicadosGuardados - 1),
      {Valor(sitio_), Valor(archivo)}));
  if (!limite.EsNulo())
    cn_.Execute(
        cn_.Prepara("DELETE FROM travesaarchivos WHERE Sitio = ? AND Archivo = ? AND Origen = 'P' AND Fecha < ?",
                    {Valor(sitio_), Valor(archivo), limite}));
  cn_.Execute(
      cn_.Prepara("DELETE FROM travesaarchivos WHERE Sitio = ? AND Archivo = ? AND Origen = 'L' AND Fecha < "
                  "NOW() - INTERVAL " +
                      std::to_string(kDiasDeLeidos) + " DAY",
                  {Valor(sitio_), Valor(archivo)}));
}

}  // namespace travesa
