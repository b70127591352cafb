// Reading form files without their compiled classes, for tools: a folder of form files
// indexed by root class, so that an inline frame finds its frame's form and an inherited form
// its ancestor's form in the same folder. A form file does not say which class its root's
// class derives from: that is declared with DeclareAncestor (a tool takes it from the
// sources, or from the user).
#pragma once

#include "host/classes/Filer.h"

#include <unordered_map>

namespace host {

class TFormFolder {
public:
    // Indexes the root classes of the .dfm and .lfm files of Directory.
    explicit TFormFolder(const String& Directory);

    void DeclareAncestor(const String& ClassName, const String& AncestorClassName);
    // File whose root object is of ClassName; "" when none. Where several files have a root
    // of that class, the one whose name shares the longest beginning with Near (the file
    // being read: forms of one project tend to share a prefix).
    [[nodiscard]] String FileOfClass(std::string_view ClassName, std::string_view Near = {}) const;
    // The finder a TReader uses to read FileName over these files.
    [[nodiscard]] TFindFormText Finder(const String& FileName = {}) const;
    // Reads FileName (tolerant or strict) over the forms of its ancestors and frames.
    TComponent* ReadFile(const String& FileName, TComponent* Root, TComponent* Owner,
                         bool Tolerant) const;

private:
    std::unordered_map<String, std::vector<String>, TextHash, TextEqual>
        FFiles;                                                         // root class -> files
    std::unordered_map<String, String, TextHash, TextEqual> FAncestors; // class -> ancestor class
};

// Class of the root object of a form text ("TForm1" of "inherited Form1: TForm1"), read from
// its first line; "" when the text does not start with an object.
[[nodiscard]] String FormRootClass(std::string_view Text);

} // namespace host
