// The program's one way of telling the user that something failed.
#ifndef ENDOHEDRAL_REPORT_H
#define ENDOHEDRAL_REPORT_H

// Writes "endohedral: ", the formatted message and a line end to standard error.
#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
void reportError(const char* format, ...);

#endif
