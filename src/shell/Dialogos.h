#pragma once
// Small shared helpers of the shell: the Yes/No question and the test that a
// downloaded file name belongs to a seller.
#include <optional>
#include <string_view>

#include "shell/Operador.h"

namespace travesa {

// The message of a job that could not reach the FTP site (also its log entry);
// ConexionConAviso adds the reason.
inline constexpr std::string_view kSinConexion = "No se pudo establecer conexión con el sitio";

// Yes/No with the question icon; No is the default unless said otherwise.
// True only for Yes.
inline bool Confirmar(Operador& op, std::string_view texto, std::string_view titulo, bool porOmisionNo = true) {
  const int botones = Botones::kSiNo | Botones::kPregunta | (porOmisionNo ? Botones::kSegundoPorOmision : 0);
  return op.Mensaje(texto, botones, titulo) == Botones::kRespSi;
}

// The device segment of the name runs from `inicio` (from 1) to the first "_";
// the seller field follows up to the next "_". True when there is a device
// segment and, for a non-empty seller key, the seller field equals it ignoring
// case.
bool ArchivoDelVendedor(std::string_view nombre, std::size_t inicio, std::string_view vendedor);
// That seller field; nothing when the name has none.
std::optional<std::string_view> CampoDelVendedor(std::string_view nombre, std::size_t inicio);

}  // namespace travesa
