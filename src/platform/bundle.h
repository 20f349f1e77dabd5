// The application bundle on Linux: the executable lives in PREFIX/bin and the
// bundle's resources in PREFIX/Resources, so Resources/ is a child of the
// executable's folder's parent.
//
// FolderItem names a file or folder, existing or not. Each step of a walk
// (executableFile, parent, child) may yield nothing, and the caller decides
// what nothing means.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace nalvo {

class FolderItem {
public:
    explicit FolderItem(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }
    bool exists() const;
    bool isFolder() const;

    // The folder that holds this item; nothing for the root or a bare name.
    std::optional<FolderItem> parent() const;
    // The item `name` inside this folder, whether that item exists or not;
    // nothing when this item is not an existing folder or `name` is not a
    // plain file name ("", ".", ".." or one with a '/').
    std::optional<FolderItem> child(std::string_view name) const;

    friend bool operator==(const FolderItem&, const FolderItem&) = default;

private:
    std::filesystem::path path_;
};

// The running executable, or nothing when the system cannot tell.
std::optional<FolderItem> executableFile();

}  // namespace nalvo
