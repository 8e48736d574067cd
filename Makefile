# The two commands of the project:
#   make run    opens OvaSettings under Wine against the simulated Ovanta client
#   make test   builds everything and runs every test tier
.PHONY: run test format
run:
	@tools/run
test:
	@tools/test
format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')
