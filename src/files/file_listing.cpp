#include "files/file_listing.h"

#include "platform/paths.h"

int CountFiles(const std::wstring& folder) {
    return static_cast<int>(ListXmlEntries(GamePaths(folder)).size());
}

void ListFiles(const std::wstring& folder, std::vector<std::wstring>& list) {
    const std::vector<std::wstring> names = ListXmlEntries(GamePaths(folder));
    list.assign(1, std::wstring());
    list.insert(list.end(), names.begin(), names.end());
}
