// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "base/web_links.h"

#ifndef MILORA_HOMEPAGE
#define MILORA_HOMEPAGE ""
#endif

namespace milora {

const char* web_address(WebLink link) {
    switch (link) {
    case WebLink::HomePage:
        return MILORA_HOMEPAGE;
    case WebLink::SoftwareCentre:
        return "appstream://org.milora.Milora";
    case WebLink::FindACar:
        return "https://www.fueleconomy.gov/feg/findacar.shtml";
    }
    return "";
}

} // namespace milora
