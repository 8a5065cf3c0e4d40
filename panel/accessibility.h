// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

class QWidget;

namespace ZebVendorContact {

/// Leaves `decoration` out of what assistive technology reads: a picture
/// that only repeats what is said in words elsewhere (the required marks,
/// whose meaning the entries' descriptions carry). Its parent must not be a
/// window.
void markDecorative(QWidget *decoration);

} // namespace ZebVendorContact
