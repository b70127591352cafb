// Pictures of the main form in each language, drawn on a private virtual display.
#pragma once

#include "host/controls/Forms.h"
#include "host/controls/Menus.h"

#include <ostream>
#include <string>
#include <vector>

// Shows MainForm on a private X server, picks each language of Languages in the menu and
// writes "MainForm-<locale>.png" into Folder; tells Out where they are, or why there are none.
void DrawPictures(std::ostream& Out, host::TForm* MainForm, host::TMenuItem* LanguageMenu,
                  const std::vector<host::Integer>& Languages, const std::string& Folder);
