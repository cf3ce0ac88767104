// tabshim: prints how to reach the awkward name "[kelvo]" with the shell's
// completion, then starts ./[kelvo] of the current directory and exits 0
// whatever happened to it.
#include <cstdlib>
#include <iostream>

int main() {
    // std::endl flushes, so the hint stands above anything [kelvo] prints.
    std::cout << "on peut aussi taper ./[ puis taper TAB qui fera l'auto complete "
                 "(il n'y a aucun autre fichier commencant par '[')"
              << std::endl;
    // Quoted for the shell: an unquoted ./[kelvo] is a pattern that would run
    // a file named k, e, l, v or o instead. A missing or non-executable
    // [kelvo] is reported by the shell on standard error.
    // Whatever the shell returns, the launcher has done its part.
    [[maybe_unused]] int const status = std::system("'./[kelvo]'");
    return 0;
}
