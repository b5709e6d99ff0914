# The two commands a newcomer needs: `make run` and `make test`. Both install what is missing first.
JOBS ?= $(shell nproc)

.PHONY: bootstrap run run-windows test test-linux test-windows test-fuzz asan tsan bench format dist manual manual-shots

bootstrap:
	@./tools/bootstrap

# The real program with --demo, from a program folder of its own under build/.
run: bootstrap
	cmake --preset linux >/dev/null
	cmake --build --preset linux -j $(JOBS) --target lumenrig lumenrig-cli
	./tools/make-demo build/linux/src/app/lumenrig build/demo
	cd build/demo && ./lumenrig --demo

run-windows: bootstrap
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j $(JOBS) --target lumenrig
	./tools/make-demo build/windows/src/app/lumenrig.exe build/demo-windows
	WINEPREFIX=$(CURDIR)/build/windows/wineprefix ./tools/wine-run ./build/demo-windows/lumenrig.exe --demo

test: bootstrap test-linux test-windows test-fuzz

test-linux:
	cmake --preset linux >/dev/null
	cmake --build --preset linux -j $(JOBS)
	ctest --preset linux -j $(JOBS)

test-windows:
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j $(JOBS)
	./tools/with-xvfb ctest --preset windows -j $(JOBS)

# The clang build of everything, fuzz targets included, and each fuzz target over its kept inputs: a
# broken clang build or a regression input fails here.
test-fuzz:
	cmake --preset linux-fuzz >/dev/null
	cmake --build --preset linux-fuzz -j $(JOBS)
	for corpus in fuzz/corpus/*/; do \
		target=$$(basename $$corpus); \
		build/linux-fuzz/fuzz/$$target -runs=0 $$corpus || exit 1; \
	done

asan: bootstrap
	cmake --preset linux-asan >/dev/null
	cmake --build --preset linux-asan -j $(JOBS)
	ctest --preset linux-asan -j $(JOBS)

tsan: bootstrap
	cmake --preset linux-tsan >/dev/null
	cmake --build --preset linux-tsan -j $(JOBS)
	ctest --preset linux-tsan -j $(JOBS)

bench: bootstrap
	cmake --preset linux-release >/dev/null
	cmake --build --preset linux-release -j $(JOBS)
	for b in build/linux-release/bench/*_bench; do $$b; done

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

# The two downloads, in build/dist/: the Linux tarball and the Windows zip, each one folder that runs
# where it is unpacked.
dist: bootstrap
	cmake --preset linux-release >/dev/null
	cmake --build --preset linux-release -j $(JOBS) --target lumenrig
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j $(JOBS) --target lumenrig
	./tools/make-dist linux build/linux-release/src/app/lumenrig build/dist
	./tools/make-dist windows build/windows/src/app/lumenrig.exe build/dist

# The manuals' PDFs from their Markdown sources in docs/manual/, written into data/manual/.
manual: bootstrap
	./tools/make-manual

# Takes the manuals' pictures again from the Windows program under Wine, one run per language.
manual-shots: bootstrap
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j $(JOBS) --target lumenrig
	./tools/make-manual --shots build/windows/src/app/lumenrig.exe
