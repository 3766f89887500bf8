// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The web pages the program opens in the user's browser.

namespace milora {

enum class WebLink { HomePage, DownloadPage, FindACar };

inline const char* web_address(WebLink link) {
    switch (link) {
    case WebLink::HomePage:
        return "https://milora.example.org/";
    case WebLink::DownloadPage:
        return "https://milora.example.org/download.html";
    case WebLink::FindACar:
        return "https://www.fueleconomy.gov/feg/findacar.shtml";
    }
    return "";
}

} // namespace milora
