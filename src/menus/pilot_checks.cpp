#include "menus/pilot_checks.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "files/pilot_file.h"
#include "files/value_text.h"

namespace {
constexpr int kStructureSum = 20;
constexpr int kSkillSum = 18;
constexpr int kHighestSkill = 13;
const wchar_t* const kDefaultName = L"Entrez le nom";

// A box counts only when it holds a whole number that a pilot can have:
// from none to the whole sum; otherwise the sum is refused as wrong.
bool ReadBox(const std::wstring& entry, int sum, int& value) {
    value = 0;
    return ParseWholeNumber(entry, 0, sum, value);
}

// The points left out of `sum` by the boxes; `accepted` when each box
// counts for "VALIDER" and they add up.
long long PointsLeft(int sum, const std::vector<std::wstring>& boxes, bool& accepted) {
    long long left = sum;
    accepted = true;
    for (const std::wstring& box : boxes) {
        int value = 0;
        if (ParseWholeNumber(box, 0, INT_MAX, value)) left -= value;
        accepted = ReadBox(box, sum, value) && accepted;
    }
    accepted = accepted && left == 0;
    return left;
}

std::wstring PointsLeftText(const std::wstring& points, long long left) {
    return left >= 0 ? points + L" à répartir : " + std::to_wstring(left)
                     : points + L" en trop : " + std::to_wstring(-left);
}

std::wstring CheckStructure(const NewPilotEntries& entries) {
    CarRecord& c = game.cars[0];
    int sum = 0;
    bool read = true;
    for (int side : {SideFront, SideRear, SideLeft, SideRight}) {
        read = ReadBox(entries.structure[side], kStructureSum, c.sides[side].structureMax) && read;
        sum += c.sides[side].structureMax;
    }
    if (!read || sum != kStructureSum) return L"La somme de vos points de structure doit être égale à 20.";
    return L"";
}

std::wstring CheckSkills(const NewPilotEntries& entries) {
    CarRecord& c = game.cars[0];
    const bool driving = ReadBox(entries.driving, kSkillSum, c.drivingSkill);
    const bool shooting = ReadBox(entries.shooting, kSkillSum, c.shootingSkill);
    if (!driving || !shooting || c.drivingSkill + c.shootingSkill != kSkillSum)
        return L"La somme de vos points de compétence doit être égale à 18.";
    if (c.drivingSkill > kHighestSkill || c.shootingSkill > kHighestSkill)
        return L"Vous ne pouvez pas créer de pilote avec une compétence supérieure à 13.";
    return L"";
}

// The name is kept without the spaces around it: the file gives it back
// trimmed, and its integrity text must still match.
std::wstring CheckName(const NewPilotEntries& entries) {
    CarRecord& c = game.cars[0];
    c.pilotName = TrimSpaces(entries.name);
    if (c.pilotName == kDefaultName || c.pilotName.empty()) return L"Veuillez donner un nom à votre pilote.";
    const std::wstring refusal = PilotNameRefusal(c.pilotName);
    if (!refusal.empty()) return refusal;
    if (PilotFileExists(c.pilotName))
        return L"Un pilote porte déjà le nom " + c.pilotName + L" : choisissez-en un autre.";
    return L"";
}
}  // namespace

PointsCount SkillPointsLeft(const NewPilotEntries& entries) {
    PointsCount count;
    const long long left = PointsLeft(kSkillSum, {entries.driving, entries.shooting}, count.accepted);
    count.text = PointsLeftText(L"Points", left);
    int driving = 0, shooting = 0;
    ReadBox(entries.driving, kSkillSum, driving);
    ReadBox(entries.shooting, kSkillSum, shooting);
    if (count.accepted && std::max(driving, shooting) > kHighestSkill) {
        count.text = L"13 points au plus par compétence";
        count.accepted = false;
    }
    return count;
}

PointsCount StructurePointsLeft(const NewPilotEntries& entries) {
    PointsCount count;
    const long long left = PointsLeft(kStructureSum,
                                      {entries.structure[SideFront], entries.structure[SideRear],
                                       entries.structure[SideLeft], entries.structure[SideRight]},
                                      count.accepted);
    count.text = PointsLeftText(L"Points de structure", left);
    return count;
}

std::wstring PilotNameRefusal(const std::wstring& name) {
    if (name.empty() || !IsSafePilotName(name))
        return L"Ce nom ne peut pas servir de nom de fichier : ni / ni \\, ni . ou .. seuls.";
    for (wchar_t ch : name)
        if (ch < 32 || ch > 255) return L"Ce nom contient des caractères que le jeu ne sait pas écrire.";
    return L"";
}

std::wstring CheckNewPilot(const NewPilotEntries& entries) {
    for (auto check : {CheckStructure, CheckSkills, CheckName}) {
        const std::wstring refusal = check(entries);
        if (!refusal.empty()) return refusal;
    }
    game.cars[0].hitPoints = 4;
    return L"";
}
