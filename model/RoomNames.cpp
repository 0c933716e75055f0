#include "model/RoomNames.h"

std::string_view RoomNameOfCode(std::string_view roomCode) {
    if (roomCode == "L") {
        return "リビング";
    }
    if (roomCode == "C") {
        return "子供部屋";
    }
    if (roomCode == "B") {
        return "寝室部屋";
    }
    if (roomCode == "J") {
        return "和室";
    }
    if (roomCode == "D") {
        return "ダイニング";
    }
    if (roomCode == "O") {
        return "その他";
    }
    return "---";
}

std::string RoomDisplayName(std::string_view roomCode, int32_t roomNumber) {
    return std::string(RoomNameOfCode(roomCode)) + std::to_string(roomNumber);
}
