# The two commands of the project:
#   make run    opens OvaSettings under Wine against the simulated Ovanta client
#   make test   builds everything and runs every test tier
.PHONY: run test shots bench format
run:
	@tools/run
test:
	@tools/test
bench:
	@tools/bench/run
shots:
	@tools/shots
format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')
