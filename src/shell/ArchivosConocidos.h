#pragma once
// What this program knows of the files in a site's folder that both sides
// write under the same names (`clientes.xml`, `productos.xml`): the versions
// it published itself and the phones' files it already read. Kept in the
// Norvento database, in a table of the program's own, so that every desk and
// the service on another computer know the same: a read run never takes the
// published catalogue for a phone's file, and a publish never overwrites a
// phone's file nobody read.
//
// The table is created on first use with a statement that ends any open
// transaction: make the object before a transaction starts.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace travesa {

class Conexion;

class ArchivosConocidos {
 public:
  enum class Origen : char { Publicado = 'P', Leido = 'L' };

  static constexpr const char* kTabla = "travesaarchivos";

  // `identidad`: SitioFTP::Identidad of the site and of the folder as the
  // server resolves it (absolute), so that every spelling of one folder is one.
  ArchivosConocidos(Conexion& cn, std::string_view identidad);

  // A version about to be uploaded (before the upload, so that a run cut
  // off after the rename still knows it).
  void Publica(std::string_view archivo, std::string_view huella, std::int64_t tamano);
  // The server's write time of a version once it is in place.
  void Sella(std::string_view archivo, std::string_view huella, std::string_view modificado);
  // A phone's file read (from the site, or saved by a publish), with the
  // document it gave when it gave one (the stock transfer of the leftover).
  // Inside the transaction that books what it holds, it is known exactly
  // when that booking is.
  void Leido(std::string_view archivo, std::string_view huella, std::int64_t tamano, std::string_view modificado,
             long long documento = 0);

  // The file on the site has the size and the write time of a known version.
  // An unknown write time (empty) never matches.
  bool Conocido(std::string_view archivo, std::int64_t tamano, std::string_view modificado);
  // Who a version with this digest came from, when it is known, in any
  // folder (the digest is the content); a version both published and read
  // counts as published.
  struct Conocida {
    Origen origen;
    long long documento = 0;
  };
  std::optional<Conocida> Busca(std::string_view archivo, std::string_view huella);

 private:
  void Anota(std::string_view archivo, std::string_view huella, Origen origen, std::int64_t tamano,
             std::string_view modificado, long long documento);
  void Poda(std::string_view archivo);

  Conexion& cn_;
  std::string sitio_;  // MD5 of the identity: a short key of fixed length
};

}  // namespace travesa
