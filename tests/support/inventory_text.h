#pragma once

#include "fleet/inventory.h"

// The inventory of `entries` as one text, as the file holds it.
inline QByteArray inventoryText(const std::vector<linknode::DeviceEntry>& entries)
{
    QByteArray text;
    linknode::writeInventory(entries, [&](const QByteArray& piece) {
        text += piece;
        return true;
    });
    return text;
}
