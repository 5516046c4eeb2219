#pragma once
// The predefined GUI builders whose windows the tool converters describe in ways of their own
// (Java: kJavaGuiBuilderId of the model).
inline constexpr int kWindowsFormsGui = 990;
inline constexpr int kHtmlGui = 995;
// No builder: a control id of 65535 then means no control id.
inline constexpr int kNoGuiBuilder = 999;
inline constexpr int kNoControlId = 65535;
