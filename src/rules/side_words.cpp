#include "rules/side_words.h"

#include <initializer_list>

namespace {
bool OneOf(const std::wstring& word, std::initializer_list<const wchar_t*> words) {
    for (const wchar_t* w : words)
        if (word == w) return true;
    return false;
}
}  // namespace

int SideIndexOfWord(const std::wstring& word) {
    if (OneOf(word, {L"AVANT", L"Avant", L"avant"})) return 1;
    if (OneOf(word, {L"ARRIERE", L"Arrière", L"Arriere", L"arrière", L"arriere"})) return 2;
    if (OneOf(word, {L"DROITE", L"Droite", L"droite", L"DROIT", L"Droit", L"droit"})) return 3;
    if (OneOf(word, {L"GAUCHE", L"Gauche", L"gauche"})) return 4;
    if (OneOf(word, {L"INDEFINI", L"Indéfini", L"Indefini", L"indéfini", L"indefini"})) return 0;
    return -1;
}
