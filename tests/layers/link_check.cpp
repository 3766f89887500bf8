// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// The program each layer's library is linked into whole, with only the layers it uses: it links
// only when nothing in the layer calls up a layer or across. It is built, never run.

int main() {
    return 0;
}
