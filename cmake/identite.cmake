# Who makes the project and who answers for its packages, each said once:
# the copyright line comes from LICENSE, and the rest from it.
file(STRINGS "${PROJECT_SOURCE_DIR}/LICENSE" INFO_RLE_DROITS REGEX "^Copyright \\(c\\) " LIMIT_COUNT 1)
string(REGEX REPLACE "^Copyright \\(c\\) " "" INFO_RLE_DROITS "${INFO_RLE_DROITS}")  # 2026 The info_rle developers
string(REGEX REPLACE "^[-0-9, ]+ " "" INFO_RLE_AUTEURS "${INFO_RLE_DROITS}")  # The info_rle developers
set(INFO_RLE_MAINTENEUR "${INFO_RLE_AUTEURS} <maintainers@users.noreply.c-seed-4e5439cd.example>")
# The project's licence as SPDX names it, from LICENSE's title ("MIT License").
file(STRINGS "${PROJECT_SOURCE_DIR}/LICENSE" INFO_RLE_SPDX LIMIT_COUNT 1)
string(REGEX REPLACE " License$" "" INFO_RLE_SPDX "${INFO_RLE_SPDX}")
