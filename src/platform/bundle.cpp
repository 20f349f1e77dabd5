#include "bundle.h"

#include <system_error>

namespace nalvo {

FolderItem::FolderItem(std::filesystem::path path) : path_(std::move(path).lexically_normal()) {
    // "a/b/" and "a/b" name the same item.
    if (!path_.has_filename() && path_.has_relative_path()) path_ = path_.parent_path();
}

bool FolderItem::exists() const {
    std::error_code ec;
    return std::filesystem::exists(path_, ec);
}

bool FolderItem::isFolder() const {
    std::error_code ec;
    return std::filesystem::is_directory(path_, ec);
}

std::optional<FolderItem> FolderItem::parent() const {
    if (!path_.has_relative_path()) return std::nullopt;  // the root, or empty
    std::filesystem::path up = path_.parent_path();
    if (up.empty()) return std::nullopt;                  // a bare name
    return FolderItem(std::move(up));
}

std::optional<FolderItem> FolderItem::child(std::string_view name) const {
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos) return std::nullopt;
    if (!isFolder()) return std::nullopt;
    return FolderItem(path_ / name);
}

std::optional<FolderItem> executableFile() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty() || !exe.is_absolute()) return std::nullopt;
    return FolderItem(std::move(exe));
}

}  // namespace nalvo
