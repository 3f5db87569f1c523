#include "gui/ComboDeVendedores.h"

#include "gui/TextoQt.h"

namespace travesa {
namespace {

constexpr int kNombreDelVendedor = Qt::UserRole + 1;
constexpr const char* kTodos = "(todos)";

}  // namespace

ComboDeVendedores::ComboDeVendedores(bool conTodos, QWidget* padre) : QComboBox(padre), conTodos_(conTodos) {
  setEditable(false);
  setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void ComboDeVendedores::Llena(const std::vector<travesa::Vendedor>& vendedores) {
  const QSignalBlocker sinAvisar(this);
  clear();
  if (conTodos_) addItem(QString::fromLatin1(kTodos), QString());
  for (const travesa::Vendedor& v : vendedores) {
    const QString clave = textoqt::AQt(v.clave);
    const QString nombre = textoqt::AQt(v.nombre);
    addItem(nombre.isEmpty() ? clave : clave + QStringLiteral(" — ") + nombre, clave);
    setItemData(count() - 1, nombre, kNombreDelVendedor);
  }
  setCurrentIndex(0);
}

QString ComboDeVendedores::Clave() const { return currentData().toString(); }

QString ComboDeVendedores::ClaveConNombre() const {
  const QString clave = Clave();
  if (clave.isEmpty()) return {};
  const QString nombre = currentData(kNombreDelVendedor).toString();
  return nombre.isEmpty() ? clave : clave + QStringLiteral(" (") + nombre + QStringLiteral(")");
}

void ComboDeVendedores::Selecciona(const QString& clave) {
  const int i = findData(clave);
  setCurrentIndex(i < 0 ? 0 : i);
}

void ComboDeVendedores::Recarga(Programa& programa, const QString& clave) {
  const QSignalBlocker sinAvisar(this);
  try {
    Llena(programa.Vendedores());
  } catch (const std::exception& e) {
    programa.operador().Mensaje(e.what(), Botones::kCritico, "Error");
  }
  Selecciona(clave);
}

}  // namespace travesa
