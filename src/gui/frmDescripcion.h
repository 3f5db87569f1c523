#pragma once
// "Descripción del programa": what Travesa does, in a text box that fills the
// window. Not modal; it opens where it was last closed, with the size it had
// (section "frmDescripcion" of the INI file).
#include <QWidget>
#include <filesystem>

class QTextBrowser;

namespace travesa {

class frmDescripcion : public QWidget {
  Q_OBJECT

 public:
  explicit frmDescripcion(std::filesystem::path ini, QWidget* padre = nullptr);

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  std::filesystem::path ini_;
  QTextBrowser* rtbTexto_;
};

}  // namespace travesa
