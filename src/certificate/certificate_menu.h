// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/colours.h"
#include "state/option_menu.h"

#include <QStringList>

#include <optional>

namespace sd {

// The certificate window's menu: print, back to the print window, end of the session.
enum class CertificateAction {
    Print,
    Back,
    EndSession,
};

inline constexpr int kCertificateItems = 3;
inline constexpr int kItemStampaAttestato = 0;
inline constexpr int kItemTorna = 1;
inline constexpr int kItemFineSessione = 2;

// Fixed colours instead of the state's menu colours.
inline constexpr Rgb kCertificateFocusColour{255, 192, 128};
inline constexpr Rgb kCertificateItemColour{255, 224, 192};

// The certificate window's keys: "1"/pad 1, "2"/pad 2, "3"/pad 3 to items 0, 1, 2; Enter runs.
inline const OptionMenu::KeyMap kCertificateKeys{
    {vk::kDigit0 + 1, kItemStampaAttestato}, {vk::kPad0 + 1, kItemStampaAttestato},
    {vk::kDigit0 + 2, kItemTorna},           {vk::kPad0 + 2, kItemTorna},
    {vk::kDigit0 + 3, kItemFineSessione},    {vk::kPad0 + 3, kItemFineSessione},
};

// The blank passes over a disabled print item (from "FINE SESSIONE" to "TORNA ..."), so it keeps
// moving round the items that work; a key that names the disabled item leaves the focus alone.
inline constexpr OptionMenu::Options kCertificateMenuOptions{.spaceSkipsDisabled = true};

// The captions from item 0; item 0 says whether the certificate can be printed.
QStringList certificateCaptions(bool printable);

// A certificate that cannot be printed disables the print item: it takes neither the focus nor
// a mouse press.
void applyPrintability(OptionMenu& menu, bool printable);

// The action of an item; none for an index outside the menu.
std::optional<CertificateAction> certificateAction(int index);

}  // namespace sd
