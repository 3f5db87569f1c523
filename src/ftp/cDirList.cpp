#include "ftp/cDirList.h"

#include "shell/host/Texto.h"

namespace travesa {

void cDirList::Add(std::uint32_t lAttrib, double dtCreationTime, double dtLastAccessTime, double dtLastWriteTime,
                   std::int64_t lFileSize, std::string_view sFilename) {
  const std::string nombre(sFilename);
  if (porNombre_.count(nombre) != 0) return;
  cDirItem item;
  item.PonAtributos(lAttrib);
  item.CreationTime = dtCreationTime;
  item.LastAccessTime = dtLastAccessTime;
  item.LastWriteTime = dtLastWriteTime;
  item.FileSize = static_cast<std::int32_t>(static_cast<std::uint32_t>(lFileSize & 0xFFFFFFFF));
  item.filename = nombre;
  porNombre_.emplace(nombre, elementos_.size());
  elementos_.push_back(std::move(item));
}

const cDirItem* cDirList::Item(std::size_t Index) const {
  if (Index < 1 || Index > elementos_.size()) return nullptr;
  return &elementos_[Index - 1];
}

const cDirItem* cDirList::Item(std::string_view Index) const {
  if (const auto it = porNombre_.find(std::string(Index)); it != porNombre_.end()) return &elementos_[it->second];
  for (const auto& item : elementos_) {
    if (texto::IgualesSinMayusculas(item.filename, Index)) return &item;
  }
  return nullptr;
}

}  // namespace travesa
