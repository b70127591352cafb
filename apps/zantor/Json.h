// The little JSON the tool prints: strings escaped as the format requires.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

inline std::string JsonString(std::string_view S) {
    std::string Out = "\"";
    for (char C : S) {
        switch (C) {
        case '"':
            Out += "\\\"";
            break;
        case '\\':
            Out += "\\\\";
            break;
        case '\n':
            Out += "\\n";
            break;
        case '\r':
            Out += "\\r";
            break;
        case '\t':
            Out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(C) < 0x20) {
                char Buffer[8];
                std::snprintf(Buffer, sizeof Buffer, "\\u%04x", C);
                Out += Buffer;
            } else {
                Out += C;
            }
        }
    }
    return Out + "\"";
}
