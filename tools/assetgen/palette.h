// Named colours read from a text file, so the whole look can be retuned without touching code.
#pragma once

#include "image.h"

#include <map>
#include <string>

class Palette {
  public:
    // Lines read "name #rrggbb"; '#' at the start of a line begins a comment.
    static Palette load(const std::string& path);
    Rgb operator[](const std::string& name) const;

  private:
    std::map<std::string, Rgb> colours;
};
