#pragma once

// Marks a text of a table as one to translate, in a context a translator sees
// (scripts/update-translations collects them into translations/*.ts). The text
// stays as written, the design's Japanese; it is translated where it is shown,
// so that the headless parts and their files keep it.
#define ABACOR_TRANSLATABLE(context, text) text
