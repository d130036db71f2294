#pragma once
// The property library's calls with a memory of their answers, for runs that
// repeat the same refrigerant and temperatures (a batch rating many models at one
// operating point). The library is a pure function of its arguments, so an answer
// remembered is the answer it would give again: the memory never changes a result.
// Bounded: it is emptied when it grows past a few hundred thousand answers.

#include "engine/Proprieta.h"

// The wrapped functions; one memory per process (the library's C interface has no
// handle either).
LibreriaProprieta libreriaRicordata(const LibreriaProprieta& vera);

// Answers given from the memory and calls passed on to the library, since the start.
struct ContaMemoria {
    long long ricordate = 0, calcolate = 0;
};
ContaMemoria contaMemoriaProprieta();
