#include "farewell.h"

namespace korvane {

namespace {
constexpr const char* kAddress = "korvane@example.com";
constexpr char kQuote = '"';
}  // namespace

std::string farewellMessage() {
    std::string text = "This is a ";
    text += kQuote;
    text += "Beta Version";
    text += kQuote;
    text += " of Korvane, and it is FREEWARE.  Please send your comments to ";
    text += kAddress;
    text += " - Thanks!! Torvin ";
    text += kQuote;
    text += "the Pellwick";
    text += kQuote;
    text += " Quillard";
    return text;
}

}  // namespace korvane
