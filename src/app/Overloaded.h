#pragma once

// One visitor of a variant from one lambda per alternative.
template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
