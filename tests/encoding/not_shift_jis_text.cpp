// Each case names a character that code page 932 has no form for.
#if defined(CASE_emoji)
const char* text = "撮影🎬";
#elif defined(CASE_accented_latin)
const char* text = "café";
#elif defined(CASE_hangul)
const char* text = "한";
#endif
