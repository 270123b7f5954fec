/* Stands in for the chip vendor's upgrade library: the five entry points, or four of them. */
int JL_loadUfwData(void)
{
    return 0;
}
int JL_getUfwCrc(void)
{
    return 0;
}
int JL_getUfwPidVid(void)
{
    return 0;
}
int JL_upgradeDevice(void)
{
    return 0;
}
#ifndef WITHOUT_QUERY
int JL_queryDevicePidVid(void)
{
    return 0;
}
#endif
