// Compiled with the story's flags: literals come out as code page 932 bytes.
constexpr unsigned char Byte(const char* text, int at) {
  return static_cast<unsigned char>(text[at]);
}

// A trail byte of 0x5C must stay a trail byte, not become an escape.
static_assert(sizeof("ソ") == 3 && Byte("ソ", 0) == 0x83 && Byte("ソ", 1) == 0x5C);
static_assert(Byte("表", 0) == 0x95 && Byte("表", 1) == 0x5C);
// Backslash and tilde stay ASCII (they would not in plain SJIS).
static_assert(sizeof("\\~") == 3 && Byte("\\~", 0) == 0x5C && Byte("\\~", 1) == 0x7E);
// Brackets the line-breaking rules look for, and a half-width katakana.
static_assert(Byte("「", 0) == 0x81 && Byte("「", 1) == 0x75);
static_assert(Byte("」", 0) == 0x81 && Byte("」", 1) == 0x76);
static_assert(Byte("（", 0) == 0x81 && Byte("（", 1) == 0x69);
static_assert(sizeof("ｱ") == 2 && Byte("ｱ", 0) == 0xB1);
// The full-width digits that number choices.
static_assert(Byte("１", 0) == 0x82 && Byte("１", 1) == 0x50);
