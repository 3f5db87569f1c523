#pragma once
// A remote listing: its entries in the order the server sent them, reachable by
// 1-based position or by name. Names are unique within one listing; a second
// entry with a name already present is left out.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ftp/cDirItem.h"

namespace travesa {

class cDirList {
 public:
  void Add(std::uint32_t lAttrib, double dtCreationTime, double dtLastAccessTime, double dtLastWriteTime,
           std::int64_t lFileSize, std::string_view sFilename);

  // The entry at position 1..count(); nullptr outside that range.
  const cDirItem* Item(std::size_t Index) const;
  // The entry of that name; when no name is equal, one that differs only in
  // letter case. nullptr when there is none.
  const cDirItem* Item(std::string_view Index) const;
  std::size_t count() const { return elementos_.size(); }

  auto begin() const { return elementos_.begin(); }
  auto end() const { return elementos_.end(); }

 private:
  std::vector<cDirItem> elementos_;
  std::unordered_map<std::string, std::size_t> porNombre_;
};

}  // namespace travesa
