#include "dialogue.h"

// Command-line arguments are accepted and ignored.
int main() { return runDialogue(); }
