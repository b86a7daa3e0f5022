<?xml version="1.0" encoding="UTF-8"?>
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
                xmlns:svg="http://www.w3.org/2000/svg" exclude-result-prefixes="svg">
  <xsl:output method="html" encoding="UTF-8" indent="yes"/>

  <xsl:template match="/report">
    <html>
      <head>
        <meta charset="UTF-8"/>
        <title><xsl:value-of select="@title"/></title>
        <link rel="stylesheet" href="file://{@stylesheet}"/>
      </head>
      <body>
        <h1><xsl:value-of select="@title"/></h1>
        <p class="project">Project: <xsl:value-of select="@project"/>
          (units: <xsl:value-of select="@units"/>)</p>
        <table class="properties">
          <tr>
            <th>Section</th><th>Type</th><th>Dimensions</th>
            <xsl:for-each select="section[1]/properties/property">
              <th><xsl:value-of select="@label"/> (<xsl:value-of select="@unit"/>)</th>
            </xsl:for-each>
          </tr>
          <xsl:apply-templates select="section" mode="row"/>
        </table>
        <h2>Drawings</h2>
        <p class="scale">All drawings to one scale: 1 pixel is
          <xsl:value-of select="scale/@mm-per-pixel"/> mm.</p>
        <div class="drawings">
          <xsl:apply-templates select="section" mode="drawing"/>
        </div>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="section" mode="row">
    <tr>
      <xsl:if test="warning"><xsl:attribute name="class">questioned</xsl:attribute></xsl:if>
      <td class="name"><xsl:value-of select="@name"/></td>
      <td><xsl:value-of select="@type"/></td>
      <td>
        <xsl:for-each select="dimension">
          <xsl:value-of select="@name"/><xsl:text> </xsl:text>
          <xsl:value-of select="@value"/><xsl:text> </xsl:text><xsl:value-of select="@unit"/>
          <xsl:if test="position() != last()"><xsl:text>, </xsl:text></xsl:if>
        </xsl:for-each>
        <xsl:for-each select="warning">
          <div class="warning"><xsl:value-of select="."/></div>
        </xsl:for-each>
      </td>
      <xsl:for-each select="properties/property">
        <td class="number"><xsl:value-of select="@value"/></td>
      </xsl:for-each>
    </tr>
  </xsl:template>

  <xsl:template match="section" mode="drawing">
    <figure>
      <xsl:variable name="w" select="drawing/@width"/>
      <xsl:variable name="h" select="drawing/@height"/>
      <svg xmlns="http://www.w3.org/2000/svg" width="{$w + 20}" height="{$h + 20}"
           viewBox="-10 -10 {$w + 20} {$h + 20}">
        <xsl:choose>
          <xsl:when test="drawing/@shape = 'circle'">
            <circle class="section" cx="{drawing/@radius}" cy="{drawing/@radius}"
                    r="{drawing/@radius}"/>
          </xsl:when>
          <xsl:when test="drawing/@shape = 'strip'">
            <rect class="strip" x="0" y="0" width="{$w}" height="{$h}"/>
          </xsl:when>
          <xsl:otherwise>
            <rect class="section" x="0" y="0" width="{$w}" height="{$h}"/>
          </xsl:otherwise>
        </xsl:choose>
      </svg>
      <figcaption><xsl:value-of select="@name"/></figcaption>
    </figure>
  </xsl:template>
</xsl:stylesheet>
