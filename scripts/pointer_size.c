/* The 32-bit self-check of the test command: a Windows program that says how many
   bytes its pointers have, so that a run where 32-bit programs do not really start
   fails instead of skipping. */
#include <stdio.h>

int main(void) {
  printf("%u\n", (unsigned)sizeof(void *));
  return 0;
}
