// The images of the menus and screens: the home picture, the menu
// background, the workshop background and the loading bar.
#pragma once

#include <string>

class DataFolder;

void WriteInterfaceImages(const DataFolder& folder, const std::string& fontDir);
