#pragma once

// One visitor of a variant from one lambda per alternative.
template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
// Spelled out for the compilers that do not yet deduce it from the aggregate (clang-tidy's).
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;
