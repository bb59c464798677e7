// cagegen: builds, relaxes and writes the twelve carbon cages of endohedral.
//
//   cagegen OUTPUT_DIR [SVG_PATH]
//
// Writes OUTPUT_DIR/C60.inp ... OUTPUT_DIR/C1280.inp (creating OUTPUT_DIR if needed) and,
// if SVG_PATH is given, the gallery picture there. Prints one line per cage: its bonds,
// radii and the time it took. The files are the same, byte for byte, on every run.
// From the source tree:  build/tools/cagegen/cagegen Input docs/cages.svg
// Exit status: 0 on success, 1 if a cage cannot be relaxed or a file cannot be written,
// 2 on wrong usage.

#include "builders.hpp"
#include "gallery.hpp"
#include "output.hpp"
#include "relax.hpp"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace cagegen;

struct Result {
    Cage cage;
    Relaxation relaxation;
    double seconds;
};

Result generate(Cage cage) {
    const auto start = std::chrono::steady_clock::now();
    const std::string name = cage.name;
    Relaxation r{};
    try {
        r = relax(cage);
    } catch (const std::exception& e) {
        throw std::runtime_error(name + ": " + e.what());
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return {std::move(cage), r, took.count()};
}

// Each cage is independent; workers take the largest cages first to finish together.
std::vector<Result> generateAll(std::vector<Cage> cages) {
    std::vector<std::size_t> order(cages.size());
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return cages[a].atoms.size() > cages[b].atoms.size();
    });
    std::vector<Result> results(cages.size(), Result{{}, {}, 0.0});
    std::vector<std::exception_ptr> failures(cages.size());
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t k = next++; k < order.size(); k = next++) {
            const std::size_t i = order[k];
            try {
                results[i] = generate(std::move(cages[i]));
            } catch (...) {
                failures[i] = std::current_exception();
            }
        }
    };
    const unsigned workers = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
    std::vector<std::thread> threads;
    for (unsigned w = 0; w < workers; ++w) threads.emplace_back(work);
    for (std::thread& t : threads) t.join();
    for (const std::exception_ptr& failure : failures)
        if (failure) std::rethrow_exception(failure);
    return results;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: cagegen OUTPUT_DIR [SVG_PATH]\n";
        return 2;
    }
    try {
        const std::filesystem::path outputDir = argv[1];
        std::filesystem::create_directories(outputDir);
        const std::vector<Result> results = generateAll(startingCages());
        std::vector<Cage> cages;
        for (const Result& r : results) {
            writeFile(outputDir / (r.cage.name + ".inp"), cageFileText(r.cage));
            std::printf("%s  E %.3f  |g| %.1e  %4d evaluations  %.3f s\n",
                        summary(r.cage).c_str(), r.relaxation.energy,
                        r.relaxation.gradientNorm, r.relaxation.evaluations, r.seconds);
            cages.push_back(r.cage);
        }
        if (argc == 3) writeFile(argv[2], gallerySvg(cages));
    } catch (const std::exception& e) {
        std::cerr << "cagegen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
