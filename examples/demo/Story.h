// The scripted tour told as a short story: what a person does and what changed on screen after
// each language pick, a few lines each.
#pragma once

#include "host/controls/Forms.h"

#include <map>
#include <ostream>
#include <string>

// Everything a language pick can change that a person sees: form and control texts, resource
// strings and the formatting of a date, a time, a number and an amount.
using TScreenTexts = std::map<std::string, std::string>;
TScreenTexts CaptureTexts(host::TForm* MainForm, host::TForm* OrderForm);

// One line per text that differs, "what: 'before' -> 'after'"; at most Limit lines, then
// "... and N more".
void PrintChanges(std::ostream& Out, const TScreenTexts& Before, const TScreenTexts& After,
                  int Limit = 8);
