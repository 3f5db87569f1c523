#pragma once
// Database access of the host library: connections, record sets, key/value
// tables, last id, sums and counts.
#include <string>
#include <string_view>

#include "shell/host/Conexion.h"
#include "shell/host/RecordSet.h"
#include "shell/host/RecordSetSecuencial.h"

namespace travesa {

class BasesDD {
 public:
  // Connection settings used by every later connection.
  std::string cMiBase;
  std::string cRuta;
  std::string cUsuario;
  std::string cPassword;
  std::string cPuerto = "3306";

  // Opens cn on the named database (or, with no name, on the server alone).
  void AbrirBdD(Conexion& cn, std::string_view base) const;
  void AbrirBdD(Conexion& cn) const;
  void ConectarAservidor(Conexion& cn) const { AbrirBdD(cn); }
  void CierraBdD(Conexion& cn) const { cn.Cerrar(); }

  // rs holds SELECT columnas FROM fuente (all columns without a list); true
  // when there is at least one row. fuente is a table name optionally followed
  // by WHERE, GROUP BY, ORDER BY and LIMIT text.
  bool AbrirTabla(RecordSet& rs, Conexion& cn, std::string_view fuente, std::string_view columnas = {}) const;
  // The same query read forward only, row by row as the server sends it.
  bool AbrirTabla(RecordSetSecuencial& rs, Conexion& cn, std::string_view fuente, std::string_view columnas = {}) const;
  void CierraTabla(RecordSet& rs) const { rs.Close(); }
  void CierraTabla(RecordSetSecuencial& rs) const { rs.Close(); }

  // Contenido of the row of tabla whose Dato is the key; empty when absent.
  std::string LeeDato(std::string_view dato, Conexion& cn, std::string_view tabla) const;
  // The column of the row just added to tabla through cn.
  long long LastId(Conexion& cn, std::string_view tabla, std::string_view columna) const;
  double Sum(Conexion& cn, std::string_view fuente, std::string_view columna) const;
  long long LastRec(Conexion& cn, std::string_view fuente) const;

  DatosConexion Datos(std::string_view base) const;
};

// The table a source text names: its first word.
std::string TablaDeFuente(std::string_view fuente);
// A table or column name given by the program, checked before it enters SQL.
std::string IdentificadorSeguro(std::string_view nombre);

}  // namespace travesa
