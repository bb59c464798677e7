// The console dialogue: the menu, the two questions, and the run's exit status.
#ifndef ENDOHEDRAL_DIALOGUE_H
#define ENDOHEDRAL_DIALOGUE_H

#include <cstdio>

// The texts the dialogue prints, in order: the menu, then one prompt per answer.
extern const char kMenuText[];
extern const char kNumberPrompt[];
extern const char kSymbolPrompt[];

// One run on the standard streams; returns the process exit status.
int runDialogue();

// The same run, reading the answers from input and printing the menu and the
// prompts to output. Errors go to standard error.
int runDialogue(std::FILE* input, std::FILE* output);

#endif
