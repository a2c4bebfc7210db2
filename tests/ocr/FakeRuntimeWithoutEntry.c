/* A shared library that loads but does not export the inference library's entry point. */
int dovrixFakeRuntimeVersion(void)
{
    return 1;
}
