// The "*.xml" files of one of the game's folders, such as "\pilotes\".
#pragma once

#include <string>
#include <vector>

// How many "*.xml" entries of the folder are not folders themselves.
int CountFiles(const std::wstring& folder);

// Their names without ".xml", in entries 1 to n of `list` (entry 0 empty),
// in the order the system lists them. The list is resized to n + 1.
void ListFiles(const std::wstring& folder, std::vector<std::wstring>& list);
