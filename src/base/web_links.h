// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The addresses the program hands to the desktop.

namespace milora {

enum class WebLink {
    HomePage,       // named at build time (MILORA_HOMEPAGE); empty when none was named
    SoftwareCentre, // Milora's entry in the desktop's software centre, by its AppStream id
    FindACar,       // the government fuel-economy site's find-a-car page
};

const char* web_address(WebLink link);

} // namespace milora
