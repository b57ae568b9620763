#include "support/textSamples.h"

#include <array>
#include <random>
#include <set>

namespace {

using tRandom = std::mt19937;

unsigned char randomByte(tRandom& random, unsigned lowest, unsigned highest) {
  return static_cast<unsigned char>(
      std::uniform_int_distribution<unsigned>(lowest, highest)(random));
}

tTestBytes englishWords(std::size_t length, tRandom& random) {
  static const std::array<std::string, 24> words = {
      "the ",  "and ",  "of ",  "to ",   "in ",   "he ",  "that ",    "shall ",
      "unto ", "Lord ", "his ", "I ",    "a ",    "for ", "they ",    "be ",
      "is ",   "with ", "not ", "all, ", "thou ", "thy ", "which.\n", "Israel\r\n"};
  tTestBytes text;
  while (text.size() < length) {
    const auto& word = words[random() % words.size()];
    text.insert(text.end(), word.begin(), word.end());
  }
  text.resize(length);
  return text;
}

tTestBytes repetitiveRuns(std::size_t length, tRandom& random) {
  tTestBytes text;
  while (text.size() < length) {
    text.insert(text.end(), 1 + random() % 40, randomByte(random, 0, 255));
  }
  text.resize(length);
  return text;
}

tTestBytes anyBytes(std::size_t length, tRandom& random) {
  tTestBytes text(length);
  for (auto& byte : text) byte = randomByte(random, 0, 255);
  return text;
}

tTestBytes spaceRuns(std::size_t length, tRandom& random) {
  static const std::array<unsigned char, 6> pieces = {' ', ' ', 'A', 'z', '?', 0xE9};
  tTestBytes text(length);
  for (auto& byte : text) byte = pieces[random() % pieces.size()];
  return text;
}

tTestBytes fewLetters(std::size_t length, tRandom& random) {
  tTestBytes text(length);
  for (auto& byte : text) byte = randomByte(random, 'a', 'c');
  return text;
}

}  // namespace

std::vector<tTextSample> textSamples(std::size_t length, std::uint32_t seed) {
  tRandom random(seed);
  const std::array<std::pair<const char*, tTestBytes (*)(std::size_t, tRandom&)>, 5> kinds = {{
      {"english words", englishWords},
      {"repetitive runs", repetitiveRuns},
      {"any bytes", anyBytes},
      {"space runs", spaceRuns},
      {"few letters", fewLetters},
  }};
  std::vector<tTextSample> samples;
  for (const auto& [kind, make] : kinds) samples.push_back({kind, make(length, random)});
  return samples;
}

tTestBytes withoutRepeatedTriples(std::size_t count, const std::vector<tByteRange>& ranges,
                                  std::uint32_t seed) {
  tRandom random(seed);
  std::set<std::array<unsigned char, 3>> seen;
  tTestBytes bytes;
  while (bytes.size() < count) {
    const auto [lowest, highest] = ranges[bytes.size() % ranges.size()];
    const unsigned char next = randomByte(random, lowest, highest);
    if (bytes.size() >= 2) {
      const std::array<unsigned char, 3> triple = {bytes[bytes.size() - 2], bytes.back(), next};
      if (!seen.insert(triple).second) continue;
    }
    bytes.push_back(next);
  }
  return bytes;
}
